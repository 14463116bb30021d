#pragma once

#include "configtags.h"

#include <QString>
#include <QStringList>

#include <array>

// The applications of the menu window as parallel lists of text, one list per
// field, as config.ini lists them: row i of every visible list is the i-th row
// of the application list on screen. With categories on, the master lists hold
// every application and the visible lists only those of the chosen category.
class AppTable {
public:
    // The fields, in the order of the visible lists List1 to List10 (and of
    // their masters List11 to List20).
    enum Field : int {
        Category,       // List1 / List11
        Name,           // List2 / List12
        Description,    // List3 / List13
        Unused,         // List4 / List14, part of the copies, never filled
        Picture,        // List5 / List15
        InstallCaption, // List6 / List16
        Folder,         // List7 / List17
        ExtraCaption,   // List8 / List18
        InstallCommand, // List9 / List19
        ExtraCommand,   // List10 / List20
    };
    static constexpr int kFieldCount = 10;

    // Appends the value of an application line to its list: [CATN] goes to
    // the master category list List11, the others to their visible lists.
    // Returns false for tags that are no application field.
    bool appendFromFile(ConfigTag tag, const QString& value);

    // Copies every visible row into the master lists, as the start-up does
    // before the first filter.
    void copyToMasters();

    // Refills the visible lists with the master rows whose category, without
    // its outer blanks, equals category (case-sensitive), in file order.
    void filter(const QString& category);

    int visibleCount() const { return int(m_visible[Name].size()); }
    int masterCount() const { return int(m_master[Name].size()); }

    // The field of visible row row; empty for a row that is not there.
    QString visible(Field field, int row) const;
    QString master(Field field, int row) const;
    const QStringList& visibleList(Field field) const { return m_visible[field]; }
    const QStringList& masterList(Field field) const { return m_master[field]; }

private:
    std::array<QStringList, kFieldCount> m_visible;
    std::array<QStringList, kFieldCount> m_master;
};
