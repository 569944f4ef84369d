#include "core/common/DocumentsFolder.h"

#include "core/common/StringTable.h"

#include <QDir>
#include <QStandardPaths>

QString ProgramDocumentsFolder(Msg name)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        return {};
    const QString folder = documents + u'/' + LoadString(Msg::AppTitle) + u'/' + LoadString(name);
    if (!QDir().mkpath(folder))
        return {};
    return folder + u'/';
}
