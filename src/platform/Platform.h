// SPDX-License-Identifier: MIT
#pragma once
// The thin layer between the game and the system: every modal box, dialog,
// sound, clock reading and screen fact goes through one of these interfaces,
// so that tests can answer and record them instead of a person.

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTime>
#include <memory>

class QWidget;
class QPrinter;

namespace platform {

// The caption of the error box and the name the desktop shows.
inline const QString ApplicationTitle = QStringLiteral("Tolmar Quindle");

enum class BoxIcon { Information, Question, Error };

struct BoxRequest {
    QString caption;
    QString text;
    BoxIcon icon = BoxIcon::Information;
    QStringList buttons;
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows a modal box and returns the index of the button pressed, or -1
    // when the box was closed some other way.
    virtual int ask(QWidget *parent, const BoxRequest &request) = 0;
};

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    virtual bool hasDevice() const = 0;
    // Starts wave resource `sound` without waiting, replacing whatever plays.
    virtual bool play(int sound, bool loop) = 0;
    virtual void stop() = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QTime timeOfDayUtc() const = 0;
};

class Screen {
public:
    virtual ~Screen() = default;
    virtual int colorDepth(const QWidget *window) const = 0;
    virtual QSize size() const = 0;
    // Places on the virtual desktop: the primary screen's and every screen's.
    virtual QRect primaryGeometry() const = 0;
    virtual QList<QRect> geometries() const = 0;
};

struct FileRequest {
    bool save = false;
    QString title;
    QString filter;
    QString defaultSuffix;
    QString fileName;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen file's path, or an empty string when the user cancelled.
    virtual QString run(QWidget *parent, const FileRequest &request) = 0;
};

class Printing {
public:
    virtual ~Printing() = default;
    // Shows the print dialog; a confirmed dialog gives the printer to draw
    // on, a cancelled one nothing.
    virtual std::unique_ptr<QPrinter> choosePrinter(QWidget *parent) = 0;
};

struct Services {
    MessageBoxes *boxes = nullptr;
    SoundOutput *sound = nullptr;
    Clock *clock = nullptr;
    Screen *screen = nullptr;
    FileDialogs *files = nullptr;
    Printing *printing = nullptr;
};

// The services in use: the real ones unless a test installed others.
Services &services();
void setServices(const Services &replacement);

// The program's three kinds of message box.
void announce(QWidget *parent, const QString &text);
bool confirm(QWidget *parent, const QString &text);
void showError(const QString &message);

} // namespace platform
