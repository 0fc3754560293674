// SPDX-License-Identifier: MIT
#pragma once
// Recording doubles for every platform service. Installing a FakePlatform
// replaces the real services until it goes out of scope. A message box is
// answered only when the test said it would come; any other box fails the
// test, so no box can pass unnoticed and none waits for a person.

#include "game/CoachProvider.h"
#include "platform/Platform.h"

#include <QList>
#include <QQueue>
#include <QSize>
#include <QStringList>
#include <QTemporaryDir>
#include <QTime>
#include <functional>

class FakeMessageBoxes final : public platform::MessageBoxes {
public:
    int ask(QWidget *parent, const platform::BoxRequest &request) override;
    // The next box shows `text` and is answered with button `answer`.
    void expect(const QString &text, int answer = 0) { m_expected.enqueue({text, answer}); }
    // Any number of boxes showing `text`, each answered with `answer`.
    void allow(const QString &text, int answer = 0) { m_allowed.append({text, answer}); }
    // Expected boxes that have not come yet.
    QStringList pending() const;
    QStringList texts() const;

    QList<platform::BoxRequest> shown;
    // Runs while a box is "open", for tests that act inside a modal box.
    std::function<void(const platform::BoxRequest &)> onShow;
private:
    struct Answer { QString text; int button; };
    QQueue<Answer> m_expected;
    QList<Answer> m_allowed;
};

class FakeSound final : public platform::SoundOutput {
public:
    bool hasDevice() const override { return device; }
    bool play(int sound, bool loop) override;
    void stop() override { log.append(QStringLiteral("stop")); }
    bool device = true;
    QStringList log; // "2 loop", "3", "stop": everything asked, in order
    QList<int> played() const;
};

class FakeClock final : public platform::Clock {
public:
    QTime timeOfDayUtc() const override { return time; }
    QTime time{12, 0, 0};
};

class FakeScreen final : public platform::Screen {
public:
    int colorDepth(const QWidget *) const override { return depth; }
    QSize size() const override { return screenSize; }
    QRect primaryGeometry() const override { return {QPoint(0, 0), screenSize}; }
    QList<QRect> geometries() const override { return QList<QRect>{primaryGeometry()} + otherScreens; }
    int depth = 32;
    QSize screenSize{1024, 768};
    QList<QRect> otherScreens;
};

class FakeFileDialogs final : public platform::FileDialogs {
public:
    QString run(QWidget *parent, const platform::FileRequest &request) override;
    QList<platform::FileRequest> asked;
    QQueue<QString> answers;     // an empty string cancels
    std::function<void()> onRun; // runs while the dialog is "open"
};

class FakePrinting final : public platform::Printing {
public:
    std::unique_ptr<QPrinter> choosePrinter(QWidget *parent) override;
    int asked = 0;
    bool confirm = true;
    QString outputFile; // PDF output
    int resolution = 300;
};

// A settings file of its own in a fresh folder, so that no test reads or
// writes beside the programs or in the home folder. The folder is in memory
// where the system has one there: every card a test deletes writes to it.
class FakeSettingsFile {
public:
    FakeSettingsFile();
    ~FakeSettingsFile();
    QString path() const { return m_dir.filePath(QStringLiteral("Quindle.ini")); }
    QString folder() const { return m_dir.path(); }
private:
    QTemporaryDir m_dir;
    QString m_previous;
    QString m_previousCache;
    coach::TableProvider::Compute m_previousCompute;
};

class FakePlatform {
public:
    FakePlatform() : m_previous(platform::services()) { install(); }
    ~FakePlatform() { platform::setServices(m_previous); }
    FakePlatform(const FakePlatform &) = delete;
    FakePlatform &operator=(const FakePlatform &) = delete;
    // Puts these doubles in place again, after a test lent the real ones.
    void install() { platform::setServices({&boxes, &sound, &clock, &screen, &files, &printing}); }

    FakeMessageBoxes boxes;
    FakeSound sound;
    FakeClock clock;
    FakeScreen screen;
    FakeFileDialogs files;
    FakePrinting printing;
    FakeSettingsFile settings;
private:
    platform::Services m_previous;
};
