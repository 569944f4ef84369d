#include "core/phonebook/BookFolder.h"

#include "core/common/StringTable.h"

#include <QDir>
#include <QStandardPaths>

QString DefaultBookFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        return {};
    const QString folder = documents + u'/' + LoadString(Msg::AppTitle) + u'/' + LoadString(Msg::MyPhonebooks);
    if (!QDir().mkpath(folder))
        return {};
    return folder + u'/';
}
