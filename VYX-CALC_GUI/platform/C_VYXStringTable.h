// SPDX-License-Identifier: MIT
// C_VYXStringTable: the texts behind the resource ids (strings, tooltips, menus, captions).
#pragma once

#include <QString>

/// Read-only lookups of the program's resource texts, exactly as the program shows them
/// (spelling included). Every lookup of an unknown id gives an empty string.
class C_VYXStringTable {
public:
    /// A string resource: angle keys, unit and category names, symbol texts, the document
    /// type line, the status-bar counter prefix, the profile section name.
    static QString Text(int stringId);
    /// The tooltip of a toolbar or panel command.
    static QString ToolTip(int commandId);
    /// The status-bar prompt of a command: its own prompt where it has one, else its tooltip.
    static QString StatusPrompt(int commandId);
    /// The menu text of a command (panel toggles, toolbar toggles, Settings and Help items).
    static QString MenuText(int commandId);
    /// The caption of a dialog template.
    static QString DialogCaption(int templateId);
    /// One part of the document type line (string 128), split at '\n' as the framework does:
    /// 0 window title, 1 document name, 2 file-new name, 3 filter name, 4 extension,
    /// 5 registry file type id, 6 registry file type name.
    static QString DocumentTypePart(int index);
};
