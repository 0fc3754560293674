// SPDX-License-Identifier: MIT
#pragma once
// Failures that end the operation under way and reach the user through the
// error box; the program goes on after them.

#include "platform/Platform.h"

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

namespace platform {

// Runs one of the program's event handlers. A failure ends that handler
// only and is shown in the error box; nothing is thrown back into the
// toolkit's event dispatch, which does not expect it.
template <typename Function>
void runHandler(Function &&function)
{
    try {
        function();
    } catch (const QuindleError &error) {
        showError(error.message());
    } catch (const std::exception &error) {
        showError(QString::fromLocal8Bit(error.what()));
    }
}

// `function` as a slot that runs through runHandler; Args are the signal
// arguments it takes.
template <typename... Args, typename Function>
auto handler(Function function)
{
    return [function](Args... args) { runHandler([&] { function(args...); }); };
}

} // namespace platform
