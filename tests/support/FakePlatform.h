// SPDX-License-Identifier: MIT
#pragma once
// Recording doubles for every platform service. Installing a FakePlatform
// replaces the real services until it goes out of scope; boxes are answered
// from a queue (or with a default) and never wait for a person.

#include "platform/Platform.h"

#include <QList>
#include <QPair>
#include <QQueue>
#include <QSize>
#include <QStringList>
#include <QTemporaryDir>
#include <QTime>
#include <functional>

class FakeMessageBoxes final : public platform::MessageBoxes {
public:
    int ask(QWidget *parent, const platform::BoxRequest &request) override;
    QList<platform::BoxRequest> shown;
    // Answers by button index, used in order; when empty, defaultAnswer.
    QQueue<int> answers;
    int defaultAnswer = 0;
    // Runs while a box is "open", for tests that act inside a modal box.
    std::function<void(const platform::BoxRequest &)> onShow;
    QStringList texts() const;
};

class FakeSound final : public platform::SoundOutput {
public:
    bool hasDevice() const override { return device; }
    bool play(int sound, bool loop) override;
    void stop() override;
    bool device = true;
    // "2 loop", "3", "stop": everything asked, in order.
    QStringList log;
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
    QQueue<QString> answers; // an empty string cancels
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
};

class FakePlatform {
public:
    FakePlatform();
    ~FakePlatform();
    FakePlatform(const FakePlatform &) = delete;
    FakePlatform &operator=(const FakePlatform &) = delete;

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
