#include "monkey/step_log.h"

#include <cstdio>

namespace orvanta::monkey {

void StepLog::Begin(int number, const QString& what) {
    ++m_steps;
    const QString line = QStringLiteral("#%1 %2").arg(number).arg(what);
    Hash(line);
    m_last.push_back(QStringList{line});
    while (static_cast<int>(m_last.size()) > m_kept) {
        m_last.pop_front();
    }
}

void StepLog::Note(const QString& what) {
    const QString line = QStringLiteral("      ") + what;
    Hash(line);
    if (m_last.empty()) {
        m_last.push_back(QStringList{QStringLiteral("#0 (setting up)")});
    }
    m_last.back() << line;
}

QStringList StepLog::Last() const {
    QStringList lines;
    for (const QStringList& step : m_last) {
        lines += step;
    }
    return lines;
}

void StepLog::Hash(const QString& line) {
    // ORVANTA_MONKEY_TRACE shows every step as it is taken.
    static const bool trace = qEnvironmentVariableIsSet("ORVANTA_MONKEY_TRACE");
    if (trace) {
        std::fprintf(stderr, "%s\n", qPrintable(line));
    }
    // FNV-1a over the UTF-8 bytes, a line break after each line.
    const QByteArray bytes = line.toUtf8() + '\n';
    for (const char c : bytes) {
        m_digest ^= static_cast<unsigned char>(c);
        m_digest *= 1099511628211ull;
    }
}

QString Printable(const QString& text, int max_length) {
    QString shown;
    for (const QChar c : text.left(max_length)) {
        const ushort u = c.unicode();
        if (u < 0x20 || u == 0x7F || (u >= 0x200B && u <= 0x200F) || c.isSurrogate()) {
            shown += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'));
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\\')) {
            shown += QLatin1Char('\\') + c;
        } else {
            shown += c;
        }
    }
    QString quoted = QLatin1Char('"') + shown + QLatin1Char('"');
    if (text.size() > max_length) {
        quoted += QStringLiteral("… (%1 characters)").arg(text.size());
    }
    return quoted;
}

}  // namespace orvanta::monkey
