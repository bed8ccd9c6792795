#pragma once

#include "store/paradox/PxTable.h"

#include "base/EngineError.h"

#include <QDate>
#include <QString>
#include <QTemporaryDir>
#include <QTime>
#include <gtest/gtest.h>
#include <ostream>

// Helpers shared by the Paradox codec tests.
namespace pxtest {

// Paradox counts days from 1 January of the year 1 (day 1).
inline std::int64_t paradoxDay(int year, int month, int day)
{
    return QDate(1, 1, 1).daysTo(QDate(year, month, day)) + 1;
}

inline std::int64_t msOfDay(int h, int m, int s, int ms = 0) { return QTime(0, 0).msecsTo(QTime(h, m, s, ms)); }

inline double paradoxTimestamp(int year, int month, int day, int h, int m, int s)
{
    return double(paradoxDay(year, month, day)) * 86400000.0 + double(msOfDay(h, m, s));
}

inline px::FieldDesc fieldOf(const char* name, px::FieldCode code, int size) { return {QString::fromUtf8(name), code, size}; }

inline QString samplesDir() { return QStringLiteral(TEST_DATA_DIR "/paradox"); }

// Runs f and returns the engine error text it throws; fails the test when it throws none.
template <typename F>
QString engineErrorOf(F&& f)
{
    try {
        f();
    } catch (const base::EngineError& e) {
        return e.text();
    }
    ADD_FAILURE() << "no engine error";
    return {};
}

} // namespace pxtest

namespace px {
void PrintTo(const Value& v, std::ostream* os);
}
