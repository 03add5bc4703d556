// SPDX-License-Identifier: MIT
// document_bench: times line evaluation, variables, saving, loading and undo on large documents.
#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcAreaModel.h"
#include "C_VYXStreamMessageBoxes.h"

#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

/// Milliseconds of one call of `work`, the median of `runs` calls; `prepare` runs untimed
/// before each.
double MedianMilliseconds(int runs, const std::function<void()>& prepare,
                          const std::function<void()>& work) {
    std::vector<double> times;
    times.reserve(std::size_t(runs));
    for (int run = 0; run < runs; ++run) {
        prepare();
        const Clock::time_point start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[std::size_t(runs / 2)];
}

void Report(const char* what, double measured, double target) {
    std::printf("%-62s %9.4f ms   target %5.1f ms   ratio %6.3f\n", what, measured, target,
                measured / target);
}

QString VariableName(int index) {
    return QStringLiteral("v%1").arg(index, 4, 10, QLatin1Char('0'));
}

/// A document as at program start, with message boxes that answer Yes and print nothing.
class BenchDocument {
public:
    BenchDocument() { document.OnNewDocument(); }

    void Define(const QString& name, const QString& definition) {
        document.VariablesPanel().DefineFromText(name, definition);
    }

    C_VYXStreamMessageBoxes boxes{nullptr};
    C_TOBRIK_CALCULATORDoc document{boxes};
    C_VYXCalcAreaModel area{document};
};

/// About `characters` characters of calculation lines with their results.
QString LargeText(int characters) {
    QString text;
    text.reserve(characters + 64);
    for (int line = 0; text.size() < characters; ++line)
        text += QStringLiteral("%1/7+%2\r\n%3/7 //\u2248%4\r\n")
                    .arg(line)
                    .arg(line % 13)
                    .arg(line + 7 * (line % 13))
                    .arg(double(line) / 7 + line % 13, 0, 'f', 6);
    text.truncate(characters);
    return text;
}

double CalculateLineWithVariables() {
    BenchDocument bench;
    for (int i = 0; i < 200; ++i)
        bench.Define(VariableName(i), QString::number(i + 1) + QStringLiteral("/3"));
    const QString line = QStringLiteral("v0007*v0150+v0199/v0003-SQRT(v0100)");
    return MedianMilliseconds(
        201, [] {}, [&] { (void)bench.document.CalculateLine(line); });
}

double RedefineWithDependants(int dependants) {
    BenchDocument bench;
    bench.Define(QStringLiteral("base"), QStringLiteral("2"));
    for (int i = 0; i < 999; ++i) {
        const QString definition =
            i < dependants ? QStringLiteral("base*%1+1/3").arg(i) : QStringLiteral("%1/3").arg(i);
        bench.Define(VariableName(i), definition);
    }
    int next = 3;
    return MedianMilliseconds(
        21, [] {}, [&] { bench.Define(QStringLiteral("base"), QString::number(next++)); });
}

double AddNewVariable() {
    BenchDocument bench;
    for (int i = 0; i < 1000; ++i)
        bench.Define(VariableName(i), QStringLiteral("%1/3").arg(i));
    int next = 0;
    return MedianMilliseconds(
        21, [] {},
        [&] { bench.Define(QStringLiteral("w%1").arg(next++), QStringLiteral("v0500*2")); });
}

double SaveOrLoad(bool load) {
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("large.vyx"));
    BenchDocument bench;
    bench.area.TypeText(LargeText(1 << 20));
    if (!bench.document.OnSaveDocument(path))
        return -1;
    if (!load)
        return MedianMilliseconds(
            21, [] {}, [&] { (void)bench.document.OnSaveDocument(path); });
    return MedianMilliseconds(
        21, [] {}, [&] { (void)bench.document.OnOpenDocument(path); });
}

double UndoStep() {
    BenchDocument bench;
    bench.area.TypeText(LargeText(1 << 20));
    return MedianMilliseconds(
        51, [&] { bench.area.TypeText(QStringLiteral("1")); }, [&] { (void)bench.area.Undo(); });
}

} // namespace

int main() {
    std::printf("TobrikCalculator document benchmark (median of repeated runs; 1 MB = 2^20 "
                "characters)\n");
    Report("CalculateLine, 200 variables defined", CalculateLineWithVariables(), 1.0);
    Report("add a variable, 1,000 exist", AddNewVariable(), 50.0);
    Report("redefine a variable, 1,000 exist, 100 dependants re-evaluated",
           RedefineWithDependants(100), 50.0);
    Report("save a document with 1 MB of text", SaveOrLoad(false), 50.0);
    Report("load a document with 1 MB of text", SaveOrLoad(true), 50.0);
    Report("one undo step on 1 MB of text", UndoStep(), 5.0);
    return 0;
}
