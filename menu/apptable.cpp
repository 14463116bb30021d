#include "apptable.h"

namespace {

QString at(const QStringList& list, int row) {
    return row >= 0 && row < list.size() ? list[row] : QString();
}

} // namespace

bool AppTable::appendFromFile(ConfigTag tag, const QString& value) {
    switch (tag) {
    case ConfigTag::AppName:
        m_visible[Name].append(value);
        return true;
    case ConfigTag::AppDescription:
        m_visible[Description].append(value);
        return true;
    case ConfigTag::AppPicture:
        m_visible[Picture].append(value);
        return true;
    case ConfigTag::AppInstallCaption:
        m_visible[InstallCaption].append(value);
        return true;
    case ConfigTag::AppFolder:
        m_visible[Folder].append(value);
        return true;
    case ConfigTag::AppExtraCaption:
        m_visible[ExtraCaption].append(value);
        return true;
    case ConfigTag::AppInstallCommand:
        m_visible[InstallCommand].append(value);
        return true;
    case ConfigTag::AppExtraCommand:
        m_visible[ExtraCommand].append(value);
        return true;
    // The categories as read are the master list from the start.
    case ConfigTag::AppCategory:
        m_master[Category].append(value);
        return true;
    default:
        return false;
    }
}

void AppTable::copyToMasters() {
    const int rows = visibleCount();
    for (int row = 0; row < rows; ++row) {
        // List1 is still empty here, so this adds empty entries behind the
        // categories already read; the filter counts rows by the names only.
        for (int field = 0; field < kFieldCount; ++field)
            m_master[field].append(at(m_visible[field], row));
    }
}

void AppTable::filter(const QString& category) {
    for (QStringList& list : m_visible)
        list.clear();
    const int rows = masterCount();
    for (int row = 0; row < rows; ++row) {
        // The drop-down holds the names without their outer blanks, so the
        // applications' categories are compared the same way: a name written
        // with a trailing blank in both places must not hide its applications.
        if (QStringView(at(m_master[Category], row)).trimmed() != category)
            continue;
        for (int field = 0; field < kFieldCount; ++field)
            m_visible[field].append(at(m_master[field], row));
    }
}

QString AppTable::visible(Field field, int row) const {
    return at(m_visible[field], row);
}

QString AppTable::master(Field field, int row) const {
    return at(m_master[field], row);
}
