#include "common/platform/programarguments.h"

namespace platform {

std::string_view switchMarkers() {
    return "-";
}

QStringList commandLineArguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

std::string shellVariable(std::string_view name) {
    return "$" + std::string(name);
}

} // namespace platform
