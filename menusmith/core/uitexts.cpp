#include "uitexts.h"

#include "textcatalog.h"

#include <QDebug>
#include <QStringList>

#include <iterator>

namespace {

// The ids of the texts in translations/discmenu_<language>.ts, each the key
// after "smith.". A text that a language leaves untranslated is empty there.
// The Italian captions of the main window are its designed captions.
constexpr qsizetype idPrefix = 6; // "smith."
constexpr const char* textIds[] = {
    QT_TRID_NOOP("smith.Form2"),
    QT_TRID_NOOP("smith.Option1"),
    QT_TRID_NOOP("smith.Option2"),
    QT_TRID_NOOP("smith.Option3"),
    QT_TRID_NOOP("smith.Option4"),
    QT_TRID_NOOP("smith.Option5"),
    QT_TRID_NOOP("smith.Command13"),
    QT_TRID_NOOP("smith.Command25"),
    QT_TRID_NOOP("smith.Label28"),
    QT_TRID_NOOP("smith.Label15"),
    QT_TRID_NOOP("smith.Command2"),
    QT_TRID_NOOP("smith.Command1"),
    QT_TRID_NOOP("smith.Command10"),
    QT_TRID_NOOP("smith.Command3"),
    QT_TRID_NOOP("smith.Command22"),
    QT_TRID_NOOP("smith.Frame5"),
    QT_TRID_NOOP("smith.Label26"),
    QT_TRID_NOOP("smith.Frame22"),
    QT_TRID_NOOP("smith.Frame7"),
    QT_TRID_NOOP("smith.Frame9"),
    QT_TRID_NOOP("smith.Frame8"),
    QT_TRID_NOOP("smith.Frame23"),
    QT_TRID_NOOP("smith.txtLanguageAuto"),
    QT_TRID_NOOP("smith.txtLanguageIT"),
    QT_TRID_NOOP("smith.txtLanguageEN"),
    QT_TRID_NOOP("smith.Label27"),
    QT_TRID_NOOP("smith.Label25"),
    QT_TRID_NOOP("smith.Label4"),
    QT_TRID_NOOP("smith.Label5"),
    QT_TRID_NOOP("smith.Label12"),
    QT_TRID_NOOP("smith.Label13"),
    QT_TRID_NOOP("smith.Label14"),
    QT_TRID_NOOP("smith.Frame10"),
    QT_TRID_NOOP("smith.Command5"),
    QT_TRID_NOOP("smith.Command4"),
    QT_TRID_NOOP("smith.Command6"),
    QT_TRID_NOOP("smith.Command7"),
    QT_TRID_NOOP("smith.Command99"),
    QT_TRID_NOOP("smith.Frame13"),
    QT_TRID_NOOP("smith.Label17"),
    QT_TRID_NOOP("smith.Label18"),
    QT_TRID_NOOP("smith.Label19"),
    QT_TRID_NOOP("smith.Frame14"),
    QT_TRID_NOOP("smith.Label20"),
    QT_TRID_NOOP("smith.Label23"),
    QT_TRID_NOOP("smith.Label21"),
    QT_TRID_NOOP("smith.Label24"),
    QT_TRID_NOOP("smith.Label22"),
    QT_TRID_NOOP("smith.Frame15"),
    QT_TRID_NOOP("smith.Label30"),
    QT_TRID_NOOP("smith.Check1"),
    QT_TRID_NOOP("smith.Label29"),
    QT_TRID_NOOP("smith.Command28"),
    QT_TRID_NOOP("smith.Command29"),
    QT_TRID_NOOP("smith.Command30"),
    QT_TRID_NOOP("smith.Command31"),
    QT_TRID_NOOP("smith.file"),
    QT_TRID_NOOP("smith.nuovo"),
    QT_TRID_NOOP("smith.load"),
    QT_TRID_NOOP("smith.save"),
    QT_TRID_NOOP("smith.testamenu2"),
    QT_TRID_NOOP("smith.esci"),
    QT_TRID_NOOP("smith.Progetto"),
    QT_TRID_NOOP("smith.file2"),
    QT_TRID_NOOP("smith.Configurazionetesto"),
    QT_TRID_NOOP("smith.icone"),
    QT_TRID_NOOP("smith.categorie"),
    QT_TRID_NOOP("smith.database"),
    QT_TRID_NOOP("smith.AspettoGrafico"),
    QT_TRID_NOOP("smith.Help"),
    QT_TRID_NOOP("smith.Readme"),
    QT_TRID_NOOP("smith.Aboutbox"),
    QT_TRID_NOOP("smith.Emailme"),
    QT_TRID_NOOP("smith.suggerimenti"),
    QT_TRID_NOOP("smith.WebPage"),
    QT_TRID_NOOP("smith.Aggiornamenti"),
    QT_TRID_NOOP("smith.CheckDisc"),
    QT_TRID_NOOP("smith.chkSeverity"),
    QT_TRID_NOOP("smith.chkApplication"),
    QT_TRID_NOOP("smith.chkField"),
    QT_TRID_NOOP("smith.chkReason"),
    QT_TRID_NOOP("smith.chkClose"),
    QT_TRID_NOOP("smith.chk-error"),
    QT_TRID_NOOP("smith.chk-warning"),
    QT_TRID_NOOP("smith.chk-info"),
    QT_TRID_NOOP("smith.txtCheckSaveFirst"),
    QT_TRID_NOOP("smith.PrepareDisc"),
    QT_TRID_NOOP("smith.pubSaveFirst"),
    QT_TRID_NOOP("smith.pubChooseTarget"),
    QT_TRID_NOOP("smith.pubNoConfig"),
    QT_TRID_NOOP("smith.pubTargetOverlaps"),
    QT_TRID_NOOP("smith.pubNoRuntime"),
    QT_TRID_NOOP("smith.pubNoXorriso"),
    QT_TRID_NOOP("smith.pubIsoInside"),
    QT_TRID_NOOP("smith.pubCheckErrors"),
    QT_TRID_NOOP("smith.pubCannotMake"),
    QT_TRID_NOOP("smith.pubOtherConfig"),
    QT_TRID_NOOP("smith.pubForceHint"),
    QT_TRID_NOOP("smith.pubCopyFailed"),
    QT_TRID_NOOP("smith.pubCopyingProject"),
    QT_TRID_NOOP("smith.pubCopyingRuntime"),
    QT_TRID_NOOP("smith.pubWritingIso"),
    QT_TRID_NOOP("smith.pubKept"),
    QT_TRID_NOOP("smith.pubIsoFailed"),
    QT_TRID_NOOP("smith.pubDone"),
    QT_TRID_NOOP("smith.txtAttention"),
    QT_TRID_NOOP("smith.txtOpenOrCreate"),
    QT_TRID_NOOP("smith.txtSelectConfig"),
    QT_TRID_NOOP("smith.txtOverwrite"),
    QT_TRID_NOOP("smith.txtOverwriteTitle"),
    QT_TRID_NOOP("smith.txtConfigExists"),
    QT_TRID_NOOP("smith.txtResetConfig"),
    QT_TRID_NOOP("smith.txtUnsavedTest"),
    QT_TRID_NOOP("smith.txtOpenMenu"),
    QT_TRID_NOOP("smith.txtUnsavedExit"),
    QT_TRID_NOOP("smith.txtExit"),
    QT_TRID_NOOP("smith.txtOpenConfig"),
    QT_TRID_NOOP("smith.txtSaveConfig"),
    QT_TRID_NOOP("smith.txtSelectExecute"),
    QT_TRID_NOOP("smith.txtExtraExecute"),
    QT_TRID_NOOP("smith.txtSelectZip"),
    QT_TRID_NOOP("smith.txtSelectImage"),
    QT_TRID_NOOP("smith.txtSelectIcon"),
    QT_TRID_NOOP("smith.tipPicture"),
    QT_TRID_NOOP("smith.tipZip"),
    QT_TRID_NOOP("smith.tipInternet"),
    QT_TRID_NOOP("smith.tipProgram"),
    QT_TRID_NOOP("smith.tipAnyFile"),
    QT_TRID_NOOP("smith.txtCancelCaps"),
    QT_TRID_NOOP("smith.txtInternetHint"),
    QT_TRID_NOOP("smith.txtWebAddress"),
    QT_TRID_NOOP("smith.txtFtp"),
    QT_TRID_NOOP("smith.txtEmail"),
    QT_TRID_NOOP("smith.txtCancel"),
    QT_TRID_NOOP("smith.txtDesignerHint"),
    QT_TRID_NOOP("smith.txtRestoreQuestion"),
    QT_TRID_NOOP("smith.txtAttention2"),
    QT_TRID_NOOP("smith.txtRestoreTitle"),
    QT_TRID_NOOP("smith.txtPushButton1"),
    QT_TRID_NOOP("smith.txtPushButton2"),
    QT_TRID_NOOP("smith.txtPushButton3"),
    QT_TRID_NOOP("smith.txtTextBox"),
    QT_TRID_NOOP("smith.txtDefaultImage"),
    QT_TRID_NOOP("smith.txtList"),
    QT_TRID_NOOP("smith.txtLogoImage"),
    QT_TRID_NOOP("smith.txtMainWindow"),
    QT_TRID_NOOP("smith.txtNone"),
    QT_TRID_NOOP("smith.txtUp"),
    QT_TRID_NOOP("smith.txtDown"),
    QT_TRID_NOOP("smith.txtGridSize"),
    QT_TRID_NOOP("smith.txtObjectSelected"),
    QT_TRID_NOOP("smith.txtSizePosition"),
    QT_TRID_NOOP("smith.txtOk"),
    QT_TRID_NOOP("smith.txtBackgroundImage"),
    QT_TRID_NOOP("smith.txtFontColor"),
    QT_TRID_NOOP("smith.txtBackColor"),
    QT_TRID_NOOP("smith.txtBackgroundColors"),
    QT_TRID_NOOP("smith.txtSelectBackground"),
    QT_TRID_NOOP("smith.txtReadFailed"),
    QT_TRID_NOOP("smith.txtWriteFailed"),
    QT_TRID_NOOP("smith.txtCreateFailed"),
    QT_TRID_NOOP("smith.txtMenuMissing"),
    QT_TRID_NOOP("smith.txtMenuNotStarted"),
    QT_TRID_NOOP("smith.txtNotConfig"),
    QT_TRID_NOOP("smith.txtProblemNotFound"),
    QT_TRID_NOOP("smith.txtProblemFolderNotFound"),
    QT_TRID_NOOP("smith.txtProblemIsFolder"),
    QT_TRID_NOOP("smith.txtProblemReadDenied"),
    QT_TRID_NOOP("smith.txtProblemWriteDenied"),
    QT_TRID_NOOP("smith.txtProblemFolderWriteDenied"),
    QT_TRID_NOOP("smith.txtProblemDiskFull"),
    QT_TRID_NOOP("smith.txtProblemReadFailed"),
    QT_TRID_NOOP("smith.txtProblemWriteFailed"),
    QT_TRID_NOOP("smith.txtFieldGeneral"),
    QT_TRID_NOOP("smith.txtFieldApp"),
    QT_TRID_NOOP("smith.txtFieldLayout"),
    QT_TRID_NOOP("smith.txtValueUnencodable"),
    QT_TRID_NOOP("smith.txtAskUtf8"),
    QT_TRID_NOOP("smith.txtValueLineBreak"),
    QT_TRID_NOOP("smith.tipMoveUp"),
    QT_TRID_NOOP("smith.tipMoveDown"),
};

// Each filter's text is "description|pattern|description|pattern...".
constexpr const char* filterIds[] = {
    QT_TRID_NOOP("smith.filterAnyFile"),    QT_TRID_NOOP("smith.filterProgram"),
    QT_TRID_NOOP("smith.filterZip"),        QT_TRID_NOOP("smith.filterImage"),
    QT_TRID_NOOP("smith.filterIcon"),       QT_TRID_NOOP("smith.filterBackground"),
    QT_TRID_NOOP("smith.filterOpenConfig"), QT_TRID_NOOP("smith.filterSaveConfig"),
};

QString keyOf(const char* id) {
    return QString::fromLatin1(id + idPrefix);
}

const QString& emptyText() {
    static const QString empty;
    return empty;
}

} // namespace

QList<Prompts::FileFilter> filtersFromPairs(QStringView pairs) {
    QList<Prompts::FileFilter> filters;
    const auto parts = pairs.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters.append({parts[i].toString(), parts[i + 1].toString()});
    return filters;
}

UiTexts::UiTexts(QStringView language) {
    const TextCatalog& catalog = TextCatalog::forLanguage(language);
    language_ = catalog.language();
    texts_.reserve(qsizetype(std::size(textIds)));
    for (const char* id : textIds)
        texts_.insert(keyOf(id), catalog.text(id));
    for (const char* id : filterIds)
        filters_.insert(keyOf(id), filtersFromPairs(catalog.text(id)));
}

const QString& UiTexts::text(QStringView key) const {
    const auto found = texts_.constFind(key.toString());
    if (found == texts_.constEnd()) {
        qWarning() << "UiTexts: no text for" << key;
        return emptyText();
    }
    return *found;
}

QList<Prompts::FileFilter> UiTexts::filter(QStringView key) const {
    const auto found = filters_.constFind(key.toString());
    if (found == filters_.constEnd()) {
        qWarning() << "UiTexts: no filter for" << key;
        return {};
    }
    return *found;
}

QStringList UiTexts::textKeys() {
    QStringList keys;
    for (const char* id : textIds)
        keys.append(keyOf(id));
    return keys;
}

QStringList UiTexts::filterKeys() {
    QStringList keys;
    for (const char* id : filterIds)
        keys.append(keyOf(id));
    return keys;
}
