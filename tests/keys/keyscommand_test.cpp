#include "common/platform/hostpath.h"
#include "configurator/cli/keyscommand.h"
#include "configurator/keys/keynames.h"
#include "configurator/session/installpaths.h"
#include "tests/support/tempdir.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <gtest/gtest.h>

using testing_support::TempDir;
using testing_support::writeFile;

namespace {

class KeysCommand : public testing::Test {
protected:
    TempDir root;
    QByteArray out, err;

    void SetUp() override {
        resolveInstallPaths(root.path().string(), "/unused");
        keys::forceLayout(keys::Layout::English);
    }
    void TearDown() override { keys::forceLayout(std::nullopt); }

    void writePrefs(const std::string& text) {
        writeFile(root.path() / "Korvanta/Volaro/Prefs.cfg", text);
    }

    int run(const QStringList& args) {
        out.clear();
        err.clear();
        QTextStream outStream(&out), errStream(&err);
        const int status = runKeysCommand(args, outStream, errStream);
        outStream.flush();
        errStream.flush();
        return status;
    }
};

TEST_F(KeysCommand, JsonInFrenchIsUtf8) {
    writePrefs("[Keys]\nCommand.16-Modifier=1\nCommand.16-Key=70\n"
               "Command.17-Modifier=0\nCommand.17-Key=40\n");
    ASSERT_EQ(run({QStringLiteral("--json"), QStringLiteral("--layout"), QStringLiteral("fr")}), 0);
    EXPECT_TRUE(err.isEmpty());

    QJsonParseError error;
    const QJsonArray commands = QJsonDocument::fromJson(out, &error).array();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << out.toStdString();
    ASSERT_EQ(commands.size(), 85);

    const QJsonObject first = commands[0].toObject();
    EXPECT_EQ(first.value(QStringLiteral("slot")).toInt(), 0);
    EXPECT_EQ(first.value(QStringLiteral("name")).toString(), QStringLiteral("T.O CONFIG"));
    EXPECT_EQ(first.value(QStringLiteral("modifier")).toInt(), 3);
    EXPECT_EQ(first.value(QStringLiteral("key")).toInt(), 20);
    EXPECT_EQ(first.value(QStringLiteral("shortcut")).toString(),
              QStringLiteral("SHIFT + CTRL + T"));
    EXPECT_EQ(commands[84].toObject().value(QStringLiteral("slot")).toInt(), 84);
    EXPECT_EQ(commands[7].toObject().value(QStringLiteral("shortcut")).toString(),
              QStringLiteral("CTRL + Q"));
    EXPECT_EQ(commands[11].toObject().value(QStringLiteral("shortcut")).toString(),
              QStringLiteral("CTRL + ,"));
    EXPECT_EQ(commands[22].toObject().value(QStringLiteral("shortcut")).toString(),
              QStringLiteral("CTRL + 1 (PAVE NUM.)"));

    // The bytes themselves: UTF-8, not Windows-1252.
    EXPECT_TRUE(out.contains("\"SHIFT + Arr\xC3\xAAt D\xC3\xA9"
                             "fil\""));
    EXPECT_TRUE(out.contains("\"shortcut\": \"\xC3\xB9\""));
}

TEST_F(KeysCommand, CheatSheetListsEveryCommand) {
    ASSERT_EQ(run({}), 0);
    const QString text = QString::fromUtf8(out);
    EXPECT_TRUE(text.contains(QStringLiteral("English keyboard layout")));
    EXPECT_TRUE(text.contains(QStringLiteral("00  T.O CONFIG")));
    EXPECT_TRUE(text.contains(QStringLiteral("SHIFT + CTRL + F5\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("84  Recall cleared ECAM Alerts")));
    EXPECT_FALSE(text.contains(QStringLiteral("85  ")));
    EXPECT_EQ(text.count(QLatin1Char('\n')), 2 + 85);
}

TEST_F(KeysCommand, JsonEscapesBackslash) {
    writePrefs("[Keys]\nCommand.16-Modifier=0\nCommand.16-Key=43\n");
    ASSERT_EQ(run({QStringLiteral("--json")}), 0);
    const QJsonArray commands = QJsonDocument::fromJson(out).array();
    ASSERT_EQ(commands.size(), 85);
    EXPECT_EQ(commands[16].toObject().value(QStringLiteral("shortcut")).toString(),
              QStringLiteral("\\"));
}

TEST_F(KeysCommand, CheatSheetNamesTheFileAsTheHostDoes) {
    ASSERT_EQ(run({}), 0);
    const QString file = platform::qtPath(root.path() / "Korvanta" / "Volaro" / "Prefs.cfg");
    EXPECT_TRUE(QString::fromUtf8(out).startsWith(QStringLiteral("Key assignments from ") + file +
                                                  QStringLiteral(" (")))
        << out.toStdString();
}

// The window would show the defaults; the command says why instead.
TEST_F(KeysCommand, PrefsFileThatCannotBeReadIsReported) {
    std::filesystem::create_directories(root.path() / "Korvanta/Volaro/Prefs.cfg");
    EXPECT_EQ(run({}), 1);
    EXPECT_TRUE(out.isEmpty());
    const QString file = platform::qtPath(root.path() / "Korvanta" / "Volaro" / "Prefs.cfg");
    EXPECT_TRUE(
        QString::fromUtf8(err).startsWith(QStringLiteral("configurator keys: cannot read ") + file))
        << err.toStdString();
}

TEST_F(KeysCommand, BadArgumentsExitTwoWithMessage) {
    for (const QStringList& args : {QStringList{QStringLiteral("--layout")},
                                    QStringList{QStringLiteral("--layout"), QStringLiteral("de")},
                                    QStringList{QStringLiteral("--xml")}}) {
        EXPECT_EQ(run(args), 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(out.isEmpty());
        EXPECT_TRUE(err.contains("configurator keys:"));
    }
}

} // namespace
