#pragma once
// Data-driven rows for QtTest, on their own so that tests outside the program (bench/tests) use
// them without the fakes' platform.

#include <QTest>
#include <initializer_list>

namespace brevane::fakes {

// One data column "row" of type T, a row per element, each named by its `name` member.
template <typename T> void addRows(std::initializer_list<T> rows)
{
    QTest::addColumn<T>("row");
    for (const T& r : rows)
        QTest::newRow(r.name) << r;
}

} // namespace brevane::fakes
