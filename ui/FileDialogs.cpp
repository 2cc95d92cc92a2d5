#include "ui/FileDialogs.h"

#include "core/ReadingFile.h"
#include "files/FileWriting.h"
#include "ui/MessageBox.h"
#include "ui/ProgramWidgets.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

namespace FileDialogs {

namespace {

std::function<QString(const QString&)>& Handler()
{
    static std::function<QString(const QString&)> handler;
    return handler;
}

QString& Suggestion()
{
    static QString suggestion;
    return suggestion;
}

QString Run(QWidget* parent, const QString& title, const QString& filter, QFileDialog::AcceptMode mode,
            const QString& start)
{
    Suggestion() = start;
    if (Handler())
        return Handler()(title);
    QFileDialog dialog(parent, title, start, filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The name is completed after the dialog; the question about replacing a
    // file is asked then, about the name that will really be written.
    if (mode == QFileDialog::AcceptSave)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (ExecDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

struct FileDialogText {
    Q_DECLARE_TR_FUNCTIONS(FileDialogText)
};

}  // namespace

void SetHandler(std::function<QString(const QString&)> handler)
{
    Handler() = std::move(handler);
}

QString LastSuggestion()
{
    return Suggestion();
}

QString GetSaveFileName(QWidget* parent, const QString& title, const QString& filter, const QString& suffix,
                        const QString& suggested)
{
    QString start = suggested;
    for (;;) {
        const QString chosen = Run(parent, title, filter, QFileDialog::AcceptSave, start);
        if (chosen.isEmpty())
            return {};  // cancelled
        if (NamesOnlyAFolder(QFile::encodeName(chosen).toStdString())) {
            start = chosen;
            Messages::Show(parent, FileDialogText::tr("%1 is a folder.\nPlease choose another name.").arg(QDir::toNativeSeparators(chosen)),
                           Messages::Icon::Error);
            continue;
        }
        const QString path = QString::fromStdString(WithFileExtension(chosen.toStdString(), suffix.toStdString()));
        start = path;
        const QFileInfo file(path);
        const QString shown = QDir::toNativeSeparators(path);
        if (!file.absoluteDir().exists()) {
            Messages::Show(parent, FileDialogText::tr("The folder of %1 does not exist.\nPlease choose another folder.").arg(shown),
                           Messages::Icon::Error);
            continue;
        }
        // What the name leads to, as the writer will see it (files/FileWriting.h):
        // a link is followed to its file; a folder, a device, a pipe or a
        // socket is never written.
        const WriteTarget target = FindWriteTarget(QFile::encodeName(path).toStdString());
        if (target.kind == WriteTarget::Kind::NotAFile) {
            const QString why = file.isDir() ? FileDialogText::tr("%1 is a folder.\nPlease choose another name.")
                                             : FileDialogText::tr("%1 is not a regular file.\nPlease choose another name.");
            Messages::Show(parent, why.arg(shown), Messages::Icon::Error);
            continue;
        }
        // A file set read-only is replaced only when the user says so, as a file manager asks.
        const bool exists = target.kind == WriteTarget::Kind::File || target.kind == WriteTarget::Kind::ReadOnly;
        const QString question = target.kind == WriteTarget::Kind::ReadOnly
                                     ? FileDialogText::tr("%1 is read-only.\nDo you want to replace it?")
                                     : FileDialogText::tr("%1 already exists.\nDo you want to replace it?");
        if (exists && Messages::Show(parent, question.arg(shown), Messages::Icon::Warning, Messages::Buttons::YesNo) !=
                          Messages::Answer::Yes)
            continue;
        return path;
    }
}

QString GetOpenFileName(QWidget* parent, const QString& title, const QString& filter)
{
    return Run(parent, title, filter, QFileDialog::AcceptOpen, QString());
}

QStringList GetOpenFileNames(QWidget* parent, const QString& title, const QString& filter)
{
    Suggestion().clear();
    if (Handler())
        return Handler()(title).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

QString GetExistingDirectory(QWidget* parent, const QString& title)
{
    Suggestion().clear();
    if (Handler())
        return Handler()(title);
    QFileDialog dialog(parent, title);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (ExecDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace FileDialogs
