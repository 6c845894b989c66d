#include "QtFileDialogService.h"

#include "WindowsFileFilter.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QSortFilterProxyModel>

namespace {

// Lists folders and the files that match the filter chosen in the dialog.
class FilterProxy : public QSortFilterProxyModel
{
public:
    FilterProxy(const WindowsFileFilter &filter, int index, QObject *parent)
        : QSortFilterProxyModel(parent)
        , m_filter(filter)
        , m_index(index)
    {
    }

    void choose(int index)
    {
        m_index = index;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override
    {
        auto *files = qobject_cast<QFileSystemModel *>(sourceModel());
        if (!files || m_filter.count() == 0)
            return true;
        const QModelIndex index = files->index(row, 0, parent);
        return files->isDir(index) || m_filter.matches(m_index, files->fileName(index));
    }

private:
    const WindowsFileFilter &m_filter;
    int m_index;
};

QString run(const FileDialogRequest &request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen && request.fileMustExist ? QFileDialog::ExistingFile
                                                                                : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const WindowsFileFilter filter(request.filter);
    if (filter.count() > 0) {
        auto *proxy = new FilterProxy(filter, request.filterIndex, &dialog);
        dialog.setProxyModel(proxy);
        dialog.setNameFilters(filter.qtFilters());
        dialog.selectNameFilter(filter.qtFilter(request.filterIndex));
        QObject::connect(&dialog, &QFileDialog::filterSelected, proxy,
                         [&filter, proxy](const QString &chosen) { proxy->choose(filter.indexOfQtFilter(chosen)); });
    }
    if (!request.defaultExt.isEmpty())
        dialog.setDefaultSuffix(request.defaultExt);
    if (!request.initialDir.isEmpty())
        dialog.setDirectory(request.initialDir);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QtFileDialogService::withDefaultExt(dialog.selectedFiles().first(), request.defaultExt);
}

}  // namespace

QString QtFileDialogService::withDefaultExt(const QString &path, const QString &defaultExt)
{
    if (defaultExt.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + defaultExt;
}

QString QtFileDialogService::openFile(const FileDialogRequest &request)
{
    return run(request, QFileDialog::AcceptOpen);
}

QString QtFileDialogService::saveFile(const FileDialogRequest &request)
{
    return run(request, QFileDialog::AcceptSave);
}
