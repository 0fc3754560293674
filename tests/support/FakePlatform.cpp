// SPDX-License-Identifier: MIT
#include "FakePlatform.h"

#include "platform/SettingsLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QtTest>

namespace {
QString settingsFolderTemplate()
{
    const QFileInfo memory(QStringLiteral("/dev/shm"));
    const QString folder = memory.isDir() && memory.isWritable() ? memory.filePath()
                                                                  : QDir::tempPath();
    return folder + QStringLiteral("/quindle-test-XXXXXX");
}
} // namespace

int FakeMessageBoxes::ask(QWidget *, const platform::BoxRequest &request)
{
    shown.append(request);
    if (onShow)
        onShow(request);
    if (!m_expected.isEmpty() && m_expected.head().text == request.text)
        return m_expected.dequeue().button;
    for (const Answer &allowed : m_allowed) {
        if (allowed.text == request.text)
            return allowed.button;
    }
    QTest::qFail(qPrintable(QStringLiteral("a message box nobody expected: \"%1\"").arg(request.text)),
                 __FILE__, __LINE__);
    return -1;
}

void FakeMessageBoxes::expect(const QString &text, int answer)
{
    m_expected.enqueue({text, answer});
}

void FakeMessageBoxes::allow(const QString &text, int answer)
{
    m_allowed.append({text, answer});
}

QStringList FakeMessageBoxes::pending() const
{
    QStringList result;
    for (const Answer &expected : m_expected)
        result.append(expected.text);
    return result;
}

QStringList FakeMessageBoxes::texts() const
{
    QStringList result;
    for (const platform::BoxRequest &request : shown)
        result.append(request.text);
    return result;
}

bool FakeSound::play(int sound, bool loop)
{
    log.append(loop ? QStringLiteral("%1 loop").arg(sound) : QString::number(sound));
    return device;
}

void FakeSound::stop()
{
    log.append(QStringLiteral("stop"));
}

QList<int> FakeSound::played() const
{
    QList<int> result;
    for (const QString &entry : log) {
        if (entry != QLatin1String("stop"))
            result.append(entry.section(QLatin1Char(' '), 0, 0).toInt());
    }
    return result;
}

QString FakeFileDialogs::run(QWidget *, const platform::FileRequest &request)
{
    asked.append(request);
    if (onRun)
        onRun();
    return answers.isEmpty() ? QString() : answers.dequeue();
}

std::unique_ptr<QPrinter> FakePrinting::choosePrinter(QWidget *)
{
    ++asked;
    if (!confirm)
        return nullptr;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(outputFile);
    printer->setResolution(resolution);
    return printer;
}

FakeSettingsFile::FakeSettingsFile()
    : m_dir(settingsFolderTemplate())
{
    m_previous = platform::setSettingsFilePath(path());
}

FakeSettingsFile::~FakeSettingsFile()
{
    platform::setSettingsFilePath(m_previous);
}

FakePlatform::FakePlatform()
    : m_previous(platform::services())
{
    install();
}

void FakePlatform::install()
{
    platform::setServices({&boxes, &sound, &clock, &screen, &files, &printing});
}

FakePlatform::~FakePlatform()
{
    platform::setServices(m_previous);
}
