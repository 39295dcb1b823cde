#pragma once

// What the monkey did, step by step: each step's line, with what the program
// asked during it (and the answer) under it. The last steps are kept for the
// failure report; every line goes into a digest, so that two runs of a seed can
// be compared whole.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <deque>

namespace orvanta::monkey {

class StepLog {
public:
    explicit StepLog(int kept = 50) : m_kept(kept) {}

    void Begin(int number, const QString& what);
    // A line under the current step.
    void Note(const QString& what);

    int Steps() const { return m_steps; }
    std::uint64_t Digest() const { return m_digest; }
    // The kept steps, oldest first, notes indented under their step.
    QStringList Last() const;

private:
    void Hash(const QString& line);

    int m_kept;
    int m_steps = 0;
    std::uint64_t m_digest = 14695981039346656037ull;
    std::deque<QStringList> m_last;
};

// Text for a log line: control characters and the invisible ones spelled out,
// long texts cut to their start and length.
QString Printable(const QString& text, int max_length = 40);

}  // namespace orvanta::monkey
