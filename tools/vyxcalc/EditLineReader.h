// SPDX-License-Identifier: MIT
// EditLineReader: lines typed at a terminal, with a prompt, line editing and a history (libedit).
#pragma once

#include "LineReader.h"

#include <cstdio>
#include <string>
#include <vector>

struct editline;
struct history;

/// An interactive terminal session: the prompt before every line, the arrow keys (or Ctrl+P and
/// Ctrl+N) recall earlier lines of this session, Ctrl+D on an empty line ends the input. On a
/// stream that is no terminal it reads plain lines without a prompt.
class EditLineReader : public LineReader {
public:
    /// `in` and `out` are the terminal; `err` gets libedit's own complaints. Not owned.
    EditLineReader(std::string prompt, FILE* in, FILE* out, FILE* err);
    ~EditLineReader() override;

    EditLineReader(const EditLineReader&) = delete;
    EditLineReader& operator=(const EditLineReader&) = delete;

    std::optional<std::string> ReadLine() override;

    /// The lines of this session that can be recalled, oldest first.
    std::vector<std::string> RecalledLines() const;
    const std::string& Prompt() const { return m_prompt; }

private:
    static char* PromptOf(editline* editor);

    std::string m_prompt;
    FILE* m_out;
    bool m_terminal;
    editline* m_editor = nullptr;
    history* m_history = nullptr;
};
