#pragma once
// `configurator payload`: shows and saves the payload of one aircraft.

#include "common/cli/commandsyntax.h"

#include <QStringList>
#include <functional>

class QTextStream;

const cli::CommandSyntax& payloadCommandSyntax();
int runPayloadCommand(const QStringList& args, QTextStream& out, QTextStream& err);

// While one exists, `run` is called between the read of the aircraft files
// and their save (tests change a file there).
class BeforePayloadSave {
public:
    explicit BeforePayloadSave(std::function<void()> run);
    ~BeforePayloadSave();
    BeforePayloadSave(const BeforePayloadSave&) = delete;
    BeforePayloadSave& operator=(const BeforePayloadSave&) = delete;

private:
    friend int runPayloadCommand(const QStringList&, QTextStream&, QTextStream&);
    std::function<void()> run_;
    BeforePayloadSave* previous_;
};
