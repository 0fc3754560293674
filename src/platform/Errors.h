// SPDX-License-Identifier: MIT
#pragma once
// Failures that end the operation under way and reach the user through the
// error box; the program goes on after them.

#include <QString>
#include <stdexcept>

class QuindleError : public std::runtime_error {
public:
    explicit QuindleError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

// Decimal text to integer, as the scorecards' totals are read back.
int strToInt(const QString &text);
