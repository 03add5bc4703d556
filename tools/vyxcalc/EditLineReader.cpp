// SPDX-License-Identifier: MIT
// EditLineReader: libedit's editor and history behind the LineReader interface.
#include "EditLineReader.h"

#include <histedit.h>
#include <unistd.h>

namespace {

constexpr int kHistorySize = 1000;

} // namespace

EditLineReader::EditLineReader(std::string prompt, FILE* in, FILE* out, FILE* err)
    : m_prompt(std::move(prompt)), m_out(out), m_terminal(isatty(fileno(in)) == 1) {
    m_history = history_init();
    HistEvent event;
    history(m_history, &event, H_SETSIZE, kHistorySize);
    // The same line entered twice in a row is recalled once.
    history(m_history, &event, H_SETUNIQUE, 1);

    m_editor = el_init("vyxcalc", in, out, err);
    el_set(m_editor, EL_CLIENTDATA, this);
    el_set(m_editor, EL_PROMPT, &EditLineReader::PromptOf);
    el_set(m_editor, EL_EDITOR, "emacs");
    el_set(m_editor, EL_HIST, history, m_history);
    // Ctrl+C and a resized window leave the terminal in a sane state.
    el_set(m_editor, EL_SIGNAL, 1);
    // The user's own key bindings, as every libedit program reads them.
    el_source(m_editor, nullptr);
}

EditLineReader::~EditLineReader() {
    el_end(m_editor);
    history_end(m_history);
}

char* EditLineReader::PromptOf(editline* editor) {
    void* data = nullptr;
    el_get(editor, EL_CLIENTDATA, &data);
    // libedit wants a mutable pointer but only reads the prompt.
    return const_cast<char*>(static_cast<EditLineReader*>(data)->m_prompt.c_str());
}

std::optional<std::string> EditLineReader::ReadLine() {
    int count = 0;
    const char* text = el_gets(m_editor, &count);
    if (text == nullptr || count <= 0) {
        // Ctrl+D leaves the cursor after the prompt; the shell's prompt gets a line of its own.
        if (m_terminal) {
            std::fputc('\n', m_out);
            std::fflush(m_out);
        }
        return std::nullopt;
    }
    std::string line(text, static_cast<std::size_t>(count));
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    if (line.find_first_not_of(" \t") != std::string::npos) {
        HistEvent event;
        history(m_history, &event, H_ENTER, line.c_str());
    }
    return line;
}

std::vector<std::string> EditLineReader::RecalledLines() const {
    std::vector<std::string> lines;
    HistEvent event;
    // H_LAST is the oldest entry; H_PREV walks towards the newest.
    for (int found = history(m_history, &event, H_LAST); found == 0;
         found = history(m_history, &event, H_PREV))
        lines.emplace_back(event.str);
    return lines;
}
