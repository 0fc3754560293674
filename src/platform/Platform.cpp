// SPDX-License-Identifier: MIT
#include "platform/Platform.h"
#include "platform/QtSound.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace platform {
namespace {

class QtMessageBoxes final : public MessageBoxes {
public:
    int ask(QWidget *parent, const BoxRequest &request) override
    {
        QMessageBox box(parent);
        box.setWindowTitle(request.caption);
        // Texts may carry file names, which are never markup.
        box.setTextFormat(Qt::PlainText);
        box.setText(request.text);
        switch (request.icon) {
        case BoxIcon::Information: box.setIcon(QMessageBox::Information); break;
        case BoxIcon::Question: box.setIcon(QMessageBox::Question); break;
        case BoxIcon::Error: box.setIcon(QMessageBox::Critical); break;
        }
        QList<QAbstractButton *> buttons;
        for (const QString &caption : request.buttons)
            buttons.append(box.addButton(caption, QMessageBox::AcceptRole));
        if (!buttons.isEmpty())
            box.setDefaultButton(qobject_cast<QPushButton *>(buttons.first()));
        box.exec();
        return int(buttons.indexOf(box.clickedButton()));
    }
};

class QtClock final : public Clock {
public:
    QTime timeOfDayUtc() const override { return QDateTime::currentDateTimeUtc().time(); }
};

class QtScreen final : public Screen {
public:
    int colorDepth(const QWidget *window) const override
    {
        const QScreen *screen = window ? window->screen() : QGuiApplication::primaryScreen();
        return screen ? screen->depth() : 32;
    }
    QSize size() const override
    {
        const QScreen *screen = QGuiApplication::primaryScreen();
        return screen ? screen->size() : QSize(1024, 768);
    }
    QRect primaryGeometry() const override
    {
        const QScreen *screen = QGuiApplication::primaryScreen();
        return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    }
    QList<QRect> geometries() const override
    {
        QList<QRect> result;
        for (const QScreen *screen : QGuiApplication::screens())
            result.append(screen->geometry());
        return result;
    }
};

class QtFileDialogs final : public FileDialogs {
public:
    QString run(QWidget *parent, const FileRequest &request) override
    {
        QFileDialog dialog(parent, request.title, QString(), request.filter);
        dialog.setDefaultSuffix(request.defaultSuffix);
        if (request.save) {
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setFileMode(QFileDialog::AnyFile);
        } else {
            dialog.setAcceptMode(QFileDialog::AcceptOpen);
            dialog.setFileMode(QFileDialog::ExistingFile);
        }
        // A pattern as the name would only be typed back at us; the filter
        // already lists the saved games of the folder.
        if (!request.fileName.contains(QLatin1Char('*')))
            dialog.selectFile(request.fileName);
        // Qt's own dialog confirms an overwrite but takes a name in a folder
        // that does not exist; a saved game needs an existing folder.
        for (;;) {
            if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
                return QString();
            const QString chosen = dialog.selectedFiles().constFirst();
            const QDir folder = QFileInfo(chosen).absoluteDir();
            if (!request.save || folder.exists())
                return chosen;
            QMessageBox warning(QMessageBox::Warning, request.title,
                                QStringLiteral("The folder %1 does not exist.")
                                    .arg(QDir::toNativeSeparators(folder.path())),
                                QMessageBox::Ok, &dialog);
            warning.setTextFormat(Qt::PlainText);
            warning.exec();
        }
    }
};

class QtPrinting final : public Printing {
public:
    std::unique_ptr<QPrinter> choosePrinter(QWidget *parent) override
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        QPrintDialog dialog(printer.get(), parent);
        if (dialog.exec() != QDialog::Accepted)
            return nullptr;
        return printer;
    }
};

Services makeQtServices()
{
    static QtMessageBoxes boxes;
    static QtClock clock;
    static QtScreen screen;
    static QtFileDialogs files;
    static QtPrinting printing;
    static std::unique_ptr<SoundOutput> sound = createQtSoundOutput();
    return Services{&boxes, sound.get(), &clock, &screen, &files, &printing};
}

Services &installed()
{
    static Services current;
    return current;
}

} // namespace

Services &services()
{
    Services &current = installed();
    if (!current.boxes)
        current = makeQtServices();
    return current;
}

void setServices(const Services &replacement)
{
    installed() = replacement;
}

void announce(QWidget *parent, const QString &text)
{
    services().boxes->ask(parent, {QStringLiteral("Information"), text, BoxIcon::Information,
                                   {QStringLiteral("OK")}});
}

bool confirm(QWidget *parent, const QString &text)
{
    const int answer = services().boxes->ask(
        parent, {QStringLiteral("Confirm"), text, BoxIcon::Question,
                 {QStringLiteral("&Yes"), QStringLiteral("&No")}});
    return answer != 1;
}

void showError(const QString &message)
{
    services().boxes->ask(QApplication::activeWindow(),
                          {ApplicationTitle, message + QLatin1Char('.'), BoxIcon::Error,
                           {QStringLiteral("OK")}});
}

} // namespace platform
