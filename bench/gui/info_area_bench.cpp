// Appends 65535 coloured lines to the information area and prints the rate and
// the cost of single lines early and late in the run. Two ways of arrival: a
// burst within one event-loop turn, and one line per turn (a reply per turn);
// then the burst with time stamps, and the time to save a full log.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "mainwindow/info_area.h"

namespace {

constexpr int kLines = dtu::InfoArea::kMaxLines;
constexpr int kWindow = 1000;

struct RunFigures {
    double linesPerSecond = 0;
    double line100Micros = 0;
    double lineBeforeLimitMicros = 0;  // the last line the area keeps
    double earlyMedianMicros = 0;      // lines 1 to 1000
    double lateMedianMicros = 0;       // the 1000 lines before the limit
    double lastLineMicros = 0;         // the line that empties the area
};

double Median(std::vector<double>::const_iterator first, std::vector<double>::const_iterator last) {
    std::vector<double> values(first, last);
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// Writes line i (1-based) in the colour that cycles through the four writers.
void WriteLine(dtu::InfoArea& area, int i) {
    const QString text = QStringLiteral("AT+CIPSCONT=%1,\"TCP\",\"example.net\",2317\r\n").arg(i);
    switch (i % 4) {
        case 0:
            area.ShowTxLine(text);
            break;
        case 1:
            area.ShowRxLine(text);
            break;
        case 2:
            area.ShowErrorLine(text);
            break;
        default:
            area.ShowInfoLine(text);
            break;
    }
}

// Each write above adds two lines (its own CR LF plus the line break), so
// kLines writes of single lines are made with a text without CR LF.
void WriteSingleLine(dtu::InfoArea& area, int i) {
    const QString text = QStringLiteral("+CIPSCONT:%1,\"TCP\",\"example.net\",2317").arg(i);
    if (i % 2 == 0) {
        area.ShowTxLine(text);
    } else {
        area.ShowRxLine(text);
    }
}

RunFigures Run(bool oneLinePerTurn, bool timeStamps = false) {
    dtu::InfoArea area(nullptr);
    area.resize(335, 389);
    area.SetTimeStamps(timeStamps);
    area.show();
    QApplication::processEvents();
    RunFigures figures;
    QElapsedTimer total;
    total.start();
    QElapsedTimer line;
    std::vector<double> lineMicros;
    lineMicros.reserve(kLines);
    for (int i = 1; i <= kLines; ++i) {
        line.start();
        WriteSingleLine(area, i);
        if (oneLinePerTurn) {
            QApplication::processEvents();
        }
        const double micros = static_cast<double>(line.nsecsElapsed()) / 1000.0;
        lineMicros.push_back(micros);
        if (i == 100) {
            figures.line100Micros = micros;
        } else if (i == kLines - 1) {
            figures.lineBeforeLimitMicros = micros;
        } else if (i == kLines) {
            figures.lastLineMicros = micros;
        }
    }
    area.Flush();
    QApplication::processEvents();
    figures.earlyMedianMicros = Median(lineMicros.begin(), lineMicros.begin() + kWindow);
    figures.lateMedianMicros = Median(lineMicros.end() - 1 - kWindow, lineMicros.end() - 1);
    figures.linesPerSecond = kLines / (static_cast<double>(total.nsecsElapsed()) / 1e9);
    return figures;
}

double RunMultiLineBlocks() {
    dtu::InfoArea area(nullptr);
    area.resize(335, 389);
    area.show();
    QElapsedTimer total;
    total.start();
    for (int i = 1; i < kLines / 2; ++i) {
        WriteLine(area, i);
    }
    area.Flush();
    QApplication::processEvents();
    return (kLines - 1) / (static_cast<double>(total.nsecsElapsed()) / 1e9);
}

// Milliseconds to save a log just short of the limit, as text and as HTML.
std::array<double, 2> SaveFullLog() {
    dtu::InfoArea area(nullptr);
    area.SetTimeStamps(true);
    for (int i = 1; i < kLines; ++i) {
        WriteSingleLine(area, i);
    }
    area.Flush();
    QTemporaryDir dir;
    std::array<double, 2> millis{};
    const std::array<const char*, 2> names = {"log.txt", "log.html"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        QElapsedTimer save;
        save.start();
        if (!area.SaveLog(dir.filePath(names[i])).isEmpty()) {
            return {};
        }
        millis[i] = static_cast<double>(save.nsecsElapsed()) / 1e6;
    }
    return millis;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    std::printf("information area, %d lines (the last one empties the area)\n", kLines);
    const std::array<bool, 2> modes = {false, true};
    for (bool perTurn : modes) {
        const RunFigures f = Run(perTurn);
        std::printf(
            "%-22s %9.0f lines/s   line 100: %8.1f us   line %d: %8.1f us   line %d (empties "
            "the area): %8.1f us\n",
            perTurn ? "one line per turn:" : "lines in one turn:", f.linesPerSecond,
            f.line100Micros, kLines - 1, f.lineBeforeLimitMicros, kLines, f.lastLineMicros);
        std::printf("%-22s median of lines 1-%d: %.2f us, of lines %d-%d: %.2f us\n", "", kWindow,
                    f.earlyMedianMicros, kLines - kWindow, kLines - 1, f.lateMedianMicros);
    }
    std::printf("%-22s %10.0f lines/s\n", "CR LF blocks, 1 turn:", RunMultiLineBlocks());
    std::printf("%-22s %10.0f lines/s\n", "time stamps, 1 turn:", Run(false, true).linesPerSecond);
    const std::array<double, 2> save = SaveFullLog();
    std::printf("save %d stamped lines: %.0f ms as text, %.0f ms as HTML\n", kLines - 1, save[0],
                save[1]);
    return 0;
}
