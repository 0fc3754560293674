// SPDX-License-Identifier: MIT
#include "FakePlatform.h"

#include "platform/SettingsLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>

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
    return answers.isEmpty() ? defaultAnswer : answers.dequeue();
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
    platform::setServices({&boxes, &sound, &clock, &screen, &files, &printing});
}

FakePlatform::~FakePlatform()
{
    platform::setServices(m_previous);
}
