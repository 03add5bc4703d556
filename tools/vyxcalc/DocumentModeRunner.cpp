// SPDX-License-Identifier: MIT
// Document mode of vyxcalc: loading, the command line's settings, Enter at the end, saving.
#include "DocumentModeRunner.h"

#include "C_VYXAngleUnit.h"
#include "C_VYXTextConversion.h"
#include "DocumentJson.h"
#include "VYXCalculator.h"

#include <QFileInfo>

#include <algorithm>
#include <array>

namespace {

/// The unit id the settings store for an engine key such as "ANGLE_DEG"; radians if unknown.
qint32 AngleUnitFromKey(const std::string& key) {
    constexpr std::array<qint32, 3> units{VYX_ANGLE_RAD, VYX_ANGLE_DEG, VYX_ANGLE_GRA};
    const QString wanted = QString::fromStdString(key);
    const auto found = std::find_if(units.cbegin(), units.cend(), [&wanted](qint32 unit) {
        return C_VYXAngleUnit::EngineKey(unit) == wanted;
    });
    return found != units.cend() ? *found : qint32(VYX_ANGLE_RAD);
}

} // namespace

DocumentModeRunner::DocumentModeRunner(const VyxcalcOptions& options,
                                       C_VYXMessageBoxes& messageBoxes, std::ostream& out,
                                       bool flushEachResult)
    : m_options(options), m_document(messageBoxes), m_area(m_document), m_out(out),
      m_flushEachResult(flushEachResult) {
    m_document.SetFrame(&m_frame);
    // As at program start: the framework's first File New.
    m_document.OnNewDocument();
}

bool DocumentModeRunner::Open() {
    const QString path = C_VYXTextConversion::FromUtf8(m_options.documentFile);
    // A name that is there but is no document (a directory, a broken file) must fail the run
    // rather than be replaced by a new document.
    if (!path.isEmpty() && QFileInfo(path).exists() && !m_document.OnOpenDocument(path))
        return false;
    m_changed = ApplyCommandLineSettings();
    PassSettingsToEngine();
    return true;
}

bool DocumentModeRunner::ApplyCommandLineSettings() {
    C_VYXSettings& settings = m_document.Settings();
    bool changed = false;
    const auto set = [&changed](auto& field, auto value) {
        changed = changed || field != value;
        field = value;
    };
    if (m_options.decimalsGiven)
        set(settings.BasicButtons().m_nDecimals, qint32(m_options.decimals));
    if (m_options.angleGiven) {
        const qint32 unit = AngleUnitFromKey(m_options.angleKey);
        set(settings.Trig().m_nAngleUnit, unit);
        settings.Trig().m_solver.SetAngleUnit(unit);
    }
    if (m_options.displayGiven) {
        C_VYXCalcTextNFO& area = settings.CalcText();
        set(area.showReal, qint32(m_options.display != VyxcalcDisplay::Rational ? 1 : 0));
        set(area.showRational, qint32(m_options.display != VyxcalcDisplay::Real ? 1 : 0));
        area.displayChanged = 1;
    }
    if (m_options.showArgument)
        set(settings.CMPLX().m_nAlwaysShowArgument, qint32(1));
    return changed;
}

void DocumentModeRunner::PassSettingsToEngine() {
    m_document.ApplyAngleUnit();
    // A damaged file may hold any count; the engine gets one the numpad could have chosen.
    const int decimals = std::clamp(int(m_document.Settings().BasicButtons().m_nDecimals),
                                    int(C_VYXBasicButtonsNFO::kMinDecimals),
                                    int(C_VYXBasicButtonsNFO::kMaxDecimals));
    m_document.Calculator().SetDecimals(decimals);
}

void DocumentModeRunner::MoveCaretToNewLineAtEnd() {
    const int end = int(m_area.Text().size());
    m_area.SetSelection(end, end);
    if (end > 0 && !m_area.Text().endsWith(C_VYXCalcAreaModel::LineBreak))
        m_area.TypeText(C_VYXCalcAreaModel::LineBreak);
}

QString DocumentModeRunner::EnterLine(const QString& line) {
    m_changed = true;
    MoveCaretToNewLineAtEnd();
    m_area.TypeText(line);
    const qsizetype resultStart = m_area.Caret() + C_VYXCalcAreaModel::LineBreak.size();
    m_area.PressEnter(false);
    // "cls" empties the text: then nothing is written below the line.
    const QString& text = m_area.Text();
    if (text.size() <= resultStart)
        return QString();
    QString written = text.mid(resultStart);
    if (written.endsWith(C_VYXCalcAreaModel::LineBreak))
        written.chop(C_VYXCalcAreaModel::LineBreak.size());
    return written;
}

void DocumentModeRunner::Print(const QString& written) {
    QString lines = written;
    lines.replace(C_VYXCalcAreaModel::LineBreak, QStringLiteral("\n"));
    m_out << C_VYXTextConversion::ToUtf8(lines) << '\n';
    if (m_flushEachResult)
        m_out.flush();
}

void DocumentModeRunner::EnterAndPrint(const QString& text) {
    for (const QString& line : SplitLines(text))
        Print(EnterLine(line));
}

void DocumentModeRunner::EnterAll(const std::vector<std::string>& inputs) {
    for (const std::string& input : inputs)
        EnterAndPrint(C_VYXTextConversion::FromUtf8(input));
}

void DocumentModeRunner::EnterStream(std::istream& in) {
    StreamLineReader reader(in);
    EnterLines(reader);
}

void DocumentModeRunner::EnterLines(LineReader& reader) {
    while (const std::optional<std::string> line = reader.ReadLine())
        EnterAndPrint(C_VYXTextConversion::FromUtf8(*line));
}

bool DocumentModeRunner::Finish() {
    // Looking at a document (--dump alone) leaves it as it was, caret and file included.
    if (!m_changed)
        return true;
    const int end = int(m_area.Text().size());
    m_area.SetSelection(end, end);
    if (m_options.documentFile.empty())
        return true;
    return m_document.OnSaveDocument(C_VYXTextConversion::FromUtf8(m_options.documentFile));
}

std::string DocumentModeRunner::DumpJson() {
    return DocumentToJson(m_document.Settings(), m_document.CalculationCount(),
                          m_frame.HasPlacement());
}

QStringList DocumentModeRunner::SplitLines(const QString& text) {
    QString unified = text;
    unified.replace(C_VYXCalcAreaModel::LineBreak, QStringLiteral("\n"));
    unified.replace(u'\r', u'\n');
    QStringList lines = unified.split(u'\n');
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
