#include "ui/FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace FileDialogs {

namespace {

std::function<QString(const QString&)>& Handler()
{
    static std::function<QString(const QString&)> handler;
    return handler;
}

QString Run(QWidget* parent, const QString& title, const QString& filter, QFileDialog::AcceptMode mode,
            const QString& suffix)
{
    if (Handler())
        return Handler()(title);
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

void SetHandler(std::function<QString(const QString&)> handler)
{
    Handler() = std::move(handler);
}

QString GetSaveFileName(QWidget* parent, const QString& title, const QString& filter, const QString& suffix)
{
    QString path = Run(parent, title, filter, QFileDialog::AcceptSave, suffix);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + suffix;
    return path;
}

QString GetOpenFileName(QWidget* parent, const QString& title, const QString& filter)
{
    return Run(parent, title, filter, QFileDialog::AcceptOpen, QString());
}

}  // namespace FileDialogs
