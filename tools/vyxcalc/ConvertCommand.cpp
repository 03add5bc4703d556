// SPDX-License-Identifier: MIT
// vyxcalc --convert: unit look-up, the messages about units, and the panel's steps.
#include "ConvertCommand.h"

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXConverterModel.h"
#include "C_VYXListOrder.h"
#include "C_VYXTextConversion.h"
#include "CountingMessageBoxes.h"
#include "VyxcalcExit.h"

namespace {

/// Categories as the panel's category box shows them.
QStringList CategoryBoxEntries(const C_VYXConvertNFO& units) {
    QStringList categories = units.Categories();
    categories.removeDuplicates();
    return C_VYXListOrder::Sorted(categories);
}

/// The unit named as in the converter's lists; a name differing from it only in case is taken
/// too, as long as it names one unit.
const C_VYXUnit* FindUnitNamed(const C_VYXConvertNFO& units, const QString& name) {
    if (const C_VYXUnit* exact = units.FindUnit(name))
        return exact;
    const C_VYXUnit* found = nullptr;
    for (const QString& category : CategoryBoxEntries(units)) {
        for (const QString& unitName : units.UnitNamesOf(category)) {
            if (unitName.compare(name, Qt::CaseInsensitive) != 0)
                continue;
            if (found != nullptr)
                return nullptr;
            found = units.FindUnit(unitName);
        }
    }
    return found;
}

/// "  Length: centimeter; fathoms; ..." in the order of the unit boxes. Some names hold commas
/// ("gallons, dry (US)"), so the names are set apart by semicolons.
std::string UnitsLine(const C_VYXConvertNFO& units, const QString& category) {
    const QStringList names = C_VYXListOrder::Sorted(units.UnitNamesOf(category));
    return "  " +
           C_VYXTextConversion::ToUtf8(category + QStringLiteral(": ") +
                                       names.join(QStringLiteral("; "))) +
           '\n';
}

std::string Quoted(const std::string& name) {
    return '"' + name + '"';
}

/// Why the two names make no conversion, and which units would; empty when they do.
std::string UnitProblem(const C_VYXConvertNFO& units, const VyxcalcConversion& conversion,
                        const C_VYXUnit* from, const C_VYXUnit* to) {
    if (from != nullptr && to != nullptr) {
        if (from->m_strCategory == to->m_strCategory)
            return {};
        return "vyxcalc: " + Quoted(conversion.fromUnit) + " is a unit of " +
               C_VYXTextConversion::ToUtf8(from->m_strCategory) + " and " +
               Quoted(conversion.toUnit) + " one of " +
               C_VYXTextConversion::ToUtf8(to->m_strCategory) +
               "; a conversion stays within one category:\n" +
               UnitsLine(units, from->m_strCategory) + UnitsLine(units, to->m_strCategory);
    }
    if (from != nullptr || to != nullptr) {
        const C_VYXUnit& known = from != nullptr ? *from : *to;
        const std::string& unknown = from != nullptr ? conversion.toUnit : conversion.fromUnit;
        return "vyxcalc: unknown unit " + Quoted(unknown) + "; the units of " +
               C_VYXTextConversion::ToUtf8(known.m_strCategory) + " are:\n" +
               UnitsLine(units, known.m_strCategory);
    }
    std::string problem = "vyxcalc: unknown units " + Quoted(conversion.fromUnit) + " and " +
                          Quoted(conversion.toUnit) + "; the units of each category are:\n";
    for (const QString& category : CategoryBoxEntries(units))
        problem += UnitsLine(units, category);
    return problem;
}

} // namespace

int RunConvertCommand(C_TOBRIK_CALCULATORDoc& document, const VyxcalcConversion& conversion,
                      std::ostream& out, std::ostream& err) {
    C_VYXConvertNFO& record = document.Settings().Convert();
    const C_VYXUnit* from =
        FindUnitNamed(record, C_VYXTextConversion::FromUtf8(conversion.fromUnit));
    const C_VYXUnit* to = FindUnitNamed(record, C_VYXTextConversion::FromUtf8(conversion.toUnit));
    if (const std::string problem = UnitProblem(record, conversion, from, to); !problem.empty()) {
        err << problem;
        return VyxcalcExit::kUsage;
    }

    CountingMessageBoxes boxes(document.MessageBoxes());
    QString used;
    C_VYXPanelContext context = document.PanelContext();
    context.insertText = [&used](const QString& text) { used += text; };
    C_VYXConverterModel panel(record, std::move(context), boxes);
    panel.SelectCategory(int(panel.CategoryEntries().indexOf(from->m_strCategory)));
    panel.SelectFromUnit(int(panel.UnitEntries().indexOf(from->m_strName)));
    panel.SelectToUnit(int(panel.UnitEntries().indexOf(to->m_strName)));
    panel.EditValueText(C_VYXTextConversion::FromUtf8(conversion.value));
    panel.Convert();
    if (panel.ResultText().isEmpty() || boxes.Shown() > 0) {
        // The box only asks for a number; the engine's message says what was wrong.
        if (panel.ValueText().startsWith(QStringLiteral("//")))
            err << "vyxcalc: " << conversion.value << " gives "
                << C_VYXTextConversion::ToUtf8(panel.ValueText()) << '\n';
        return VyxcalcExit::kFailure;
    }
    // The panel enables Add at its next button update, which after a unit converted onto
    // itself only a click into the list brings: this is that click.
    panel.MarkEntry(-1);
    panel.Add();
    panel.MarkEntry(int(panel.SavedEntries().indexOf(record.m_savedConversions.last())));
    panel.Use();
    const QString comment = QStringLiteral("//");
    if (used.startsWith(comment))
        used.remove(0, comment.size());
    out << C_VYXTextConversion::ToUtf8(used) << '\n';
    return VyxcalcExit::kOk;
}
