#include <QApplication>
#include <cstdio>
#include <map>
#include <string>

#include "support/qtestrunner.h"

namespace sorvanta::test {
namespace {

std::map<std::string, QTestEntry>& Entries() {
    static std::map<std::string, QTestEntry> entries;
    return entries;
}

}  // namespace

bool RegisterQTest(const char* name, QTestEntry entry) {
    Entries()[name] = entry;
    return true;
}

}  // namespace sorvanta::test

// window_tests CLASS [QtTest options]: the class's test functions.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    const auto& entries = sorvanta::test::Entries();
    const auto found = argc > 1 ? entries.find(argv[1]) : entries.end();
    if (found == entries.end()) {
        std::fprintf(stderr, "usage: %s CLASS [QtTest options]; the classes:\n", argv[0]);
        for (const auto& entry : entries) std::fprintf(stderr, "  %s\n", entry.first.c_str());
        return 2;
    }
    argv[1] = argv[0];
    return found->second(argc - 1, argv + 1);
}
