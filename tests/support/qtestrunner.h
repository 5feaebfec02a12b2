// The windows' tests are one program. Each file registers its test class
// under the class's name, and the program runs the one its first argument
// names, so that every class still runs alone with its own profile and
// runtime folder. A file registers a helper process it starts the same way.
#pragma once

#include <QtTest>

namespace sorvanta::test {

using QTestEntry = int (*)(int argc, char** argv);

bool RegisterQTest(const char* name, QTestEntry entry);

template <class TTest>
int RunQTest(int argc, char** argv) {
    TTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace sorvanta::test

#define SORVANTA_QTEST(Class) \
    static const bool g_b##Class##Registered = sorvanta::test::RegisterQTest(#Class, sorvanta::test::RunQTest<Class>);
