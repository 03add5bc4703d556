// SPDX-License-Identifier: MIT
// Tests of vyxcalc's line editor on a pseudo-terminal: prompt, history recall, editing keys,
// Ctrl+D.
#include "LineReader.h"

#if VYXCALC_LINE_EDITING
#include "EditLineReader.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <thread>
#endif

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

// Plain streams are read by the engine runner's tests and through the program in check_vyxcalc;
// the editor is used only at a terminal.
#if VYXCALC_LINE_EDITING

/// The master side of a pseudo-terminal: what the program wrote, and keys to type.
class Terminal {
public:
    Terminal() {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
            return;
        const winsize size{24, 80, 0, 0};
        ioctl(m_master, TIOCSWINSZ, &size);
        m_slave = open(ptsname(m_master), O_RDWR | O_NOCTTY);
    }
    ~Terminal() {
        if (m_slave >= 0)
            close(m_slave);
        if (m_master >= 0)
            close(m_master);
    }
    bool Ok() const { return m_master >= 0 && m_slave >= 0; }
    int Slave() const { return m_slave; }

    /// Reads until `text` appears after what the last wait found (or a generous deadline passes,
    /// so a broken editor fails the test instead of hanging it).
    bool WaitForNext(const std::string& text) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        std::size_t at = 0;
        while ((at = m_output.find(text, m_seen)) == std::string::npos) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            pollfd ready{m_master, POLLIN, 0};
            if (poll(&ready, 1, 100) <= 0)
                continue;
            char buffer[256];
            const ssize_t got = read(m_master, buffer, sizeof buffer);
            if (got <= 0)
                return false;
            m_output.append(buffer, std::size_t(got));
        }
        m_seen = at + text.size();
        return true;
    }
    /// Types once the editor has put the terminal into its raw mode: libedit may show the
    /// prompt a moment before, and a Ctrl+D typed in that moment is the line discipline's
    /// end-of-file character, not the editor's key.
    void Type(const std::string& keys) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        termios mode{};
        while (tcgetattr(m_slave, &mode) == 0 && (mode.c_lflag & ICANON) != 0 &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        ASSERT_EQ(write(m_master, keys.data(), keys.size()), ssize_t(keys.size()));
    }
    const std::string& Output() const { return m_output; }
    /// Closes the terminal: a reader still waiting on it sees the input end.
    void HangUp() {
        if (m_master >= 0)
            close(m_master);
        m_master = -1;
    }

private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_output;
    std::size_t m_seen = 0; ///< where the text that the last wait found ends
};

TEST(VyxcalcLineReader, EditorAtATerminalPromptsRecallsEditsAndEndsOnCtrlD) {
    Terminal terminal;
    ASSERT_TRUE(terminal.Ok());
    // A terminal every system describes; the keys below are libedit's emacs defaults.
    setenv("TERM", "xterm", 1);
    FILE* in = fdopen(dup(terminal.Slave()), "r");
    FILE* out = fdopen(dup(terminal.Slave()), "w");
    FILE* err = std::tmpfile();
    ASSERT_TRUE(in != nullptr && out != nullptr && err != nullptr);

    std::vector<std::string> lines, recalled;
    std::promise<void> ended;
    std::future<void> sessionEnded = ended.get_future();
    std::thread session([&] {
        EditLineReader reader("calc> ", in, out, err);
        while (std::optional<std::string> line = reader.ReadLine())
            lines.push_back(*line);
        recalled = reader.RecalledLines();
        ended.set_value();
    });

    // A line, a blank one (not worth recalling), Ctrl+P (the line before the blank one, entered
    // again), Ctrl+A to the start and Ctrl+E to the end: each brings the prompt back.
    bool ok = terminal.WaitForNext("calc> ");
    for (const char* keys : {"1+2\r", "  \r", "\x10\r", "12\x01-\x05*3\r"}) {
        if (!ok)
            break;
        terminal.Type(keys);
        ok = terminal.WaitForNext("calc> ");
    }
    if (ok) {
        terminal.Type("\x04"); // Ctrl+D on an empty line ends the session
        ok = sessionEnded.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
    }
    // A session that is still reading sees its input end; the test fails instead of hanging.
    if (!ok)
        terminal.HangUp();
    session.join();

    EXPECT_TRUE(ok)
        << "the prompt did not come back or Ctrl+D did not end the session; the terminal showed:\n"
        << terminal.Output();
    EXPECT_EQ(lines, (std::vector<std::string>{"1+2", "  ", "1+2", "-12*3"}));
    // The same line twice in a row is kept once.
    EXPECT_EQ(recalled, (std::vector<std::string>{"1+2", "-12*3"}));
    for (FILE* file : {in, out, err})
        std::fclose(file);
}

#endif

} // namespace
