// SPDX-License-Identifier: MIT
#include "FakePlatform.h"

#include "platform/SettingsLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QtTest>

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
    log.append(QString::number(sound) + (loop ? QStringLiteral(" loop") : QString()));
    return device;
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
    : m_dir((QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath())
            + QStringLiteral("/quindle-test-XXXXXX"))
{
    m_previous = platform::setSettingsFilePath(path());
    // A game started in a test must neither spend seconds on the coach's
    // table nor touch the user's cache: the table never comes unless a test
    // brings one.
    m_previousCache = platform::setCoachCacheFilePath(m_dir.filePath(QStringLiteral("coach-table.bin")));
    m_previousCompute = coach::TableProvider::setDefaultCompute(
        [](const std::atomic<bool> &, std::atomic<int> &) { return std::unique_ptr<coach::Table>(); });
}

FakeSettingsFile::~FakeSettingsFile()
{
    platform::setSettingsFilePath(m_previous);
    platform::setCoachCacheFilePath(m_previousCache);
    coach::TableProvider::setDefaultCompute(m_previousCompute);
}
