#include "settings/settingsdlg.h"

#include <QGuiApplication>
#include <QMenu>

#include "session/hotkeychar.h"
#include "session/quotesession.h"
#include "settings/folderpicker.h"
#include "settings/settingsmessages.h"
#include "ui/messagebox.h"
#include "ui/qtext.h"
#include "ui_settingsdlg.h"

namespace sorvanta {

CSettingsDlg::CSettingsDlg(const CSettingsValues& ownerValues, const CQuotationValues& quotation, QWidget* pParent)
    : CDialog(pParent),
      m_quotation(quotation),
      m_pUi(std::make_unique<Ui::CSettingsDlg>()),
      m_ownerValues(ownerValues) {
    m_pUi->setupUi(this);
    setFixedSize(size());
    connect(m_pUi->buttonSave, &QPushButton::clicked, this, &CSettingsDlg::accept);
    connect(m_pUi->buttonCancel, &QPushButton::clicked, this, &CSettingsDlg::reject);
    connect(m_pUi->buttonBrowse, &QPushButton::clicked, this, &CSettingsDlg::OnBrowse);
    for (QLineEdit* pField : {m_pUi->editHotkeyLaunch, m_pUi->editHotkeyRestore})
        connect(pField, &QLineEdit::textChanged, this, &CSettingsDlg::ShowHotkeyStatus);
    connect(m_pUi->checkPasteIntoDocument, &QCheckBox::toggled, this, &CSettingsDlg::ShowHotkeyStatus);
    connect(m_pUi->comboFormat, &QComboBox::currentIndexChanged, this, &CSettingsDlg::ShowTemplatePlaceholder);
    FillTemplatePresets();
    ShowTemplatePlaceholder();
}

CSettingsDlg::~CSettingsDlg() = default;

bool CSettingsDlg::OnInitDialog() {
    m_strDirectory = m_ownerValues.m_strDirectory;
    m_bTrayDef = m_ownerValues.m_bTrayDef;
    m_bShowDlg = m_ownerValues.m_bShowDlg;
    m_strHotkeyLaunch = HotkeyText(m_ownerValues.m_chHotkeyLaunch);
    m_strHotkeyRestore = HotkeyText(m_ownerValues.m_chHotkeyRestore);
    UpdateData(false);
    if (!m_bDocumentPasteAvailable) {
        m_pUi->checkPasteIntoDocument->setEnabled(false);
        m_pUi->checkPasteIntoDocument->setToolTip(
            DocumentPasteUnavailableMessage(QGuiApplication::platformName().startsWith(QLatin1String("wayland"))));
    }
    ShowHotkeyStatus();
    m_pUi->buttonSave->setFocus();
    return true;
}

HotkeyStatus CSettingsDlg::ProbeField(int nId, const QLineEdit* pField) const {
    const std::string strText = FromQString(pField->text());
    return m_probeHotkey && strText.size() == 1 ? m_probeHotkey(nId, strText.front()) : HotkeyStatus::Available;
}

void CSettingsDlg::ShowHotkeyStatus() {
    m_pUi->labelLaunchStatus->setText(HotkeyStatusText(ProbeField(kHotkeyLaunch, m_pUi->editHotkeyLaunch)));
    QString strRestore = HotkeyStatusText(ProbeField(kHotkeyRestore, m_pUi->editHotkeyRestore));
    // Win+Shift with the same character replaces a selected reference where
    // the quotation is pasted into the document; told when Win alone is free.
    if (strRestore.isEmpty() && m_bDocumentPasteAvailable && m_pUi->checkPasteIntoDocument->isChecked())
        strRestore = ReplaceHotkeyStatusText(ProbeField(kHotkeyReplace, m_pUi->editHotkeyRestore));
    m_pUi->labelRestoreStatus->setText(strRestore);
}

void CSettingsDlg::ShowTemplatePlaceholder() {
    const auto format = static_cast<CCitationFormat>(m_pUi->comboFormat->currentIndex());
    m_pUi->editTemplate->setPlaceholderText(ToQString(TemplateOfFormat(format), TextEncoding::Utf8));
}

void CSettingsDlg::FillTemplatePresets() {
    auto* pPresets = new QMenu(m_pUi->buttonTemplatePresets);
    for (CCitationFormat format :
         {CCitationFormat::ReferenceFirst, CCitationFormat::ReferenceLast, CCitationFormat::Quoted}) {
        const QString strTemplate = ToQString(TemplateOfFormat(format), TextEncoding::Utf8);
        pPresets->addAction(strTemplate, this, [this, strTemplate] { m_pUi->editTemplate->setText(strTemplate); });
    }
    m_pUi->buttonTemplatePresets->setMenu(pPresets);
    m_pUi->editTemplate->setToolTip(ToQString("Пусто: шаблон выбранного вида цитаты. На место " +
                                                  std::string(kReferenceToken) + " встаёт ссылка, " +
                                                  std::string(kTextToken) + " — текст, " + std::string(kModuleToken) +
                                                  " — модуль, " + std::string(kBookToken) + " — книга.",
                                              TextEncoding::Utf8));
}

bool CSettingsDlg::UpdateData(bool bSaveAndValidate) {
    if (!bSaveAndValidate) {
        m_pUi->editDirectory->setText(PathToQString(m_strDirectory));
        m_pUi->checkTrayDef->setChecked(m_bTrayDef != 0);
        m_pUi->checkShowDlg->setChecked(m_bShowDlg != 0);
        m_pUi->editHotkeyLaunch->setText(ToQString(m_strHotkeyLaunch));
        m_pUi->editHotkeyRestore->setText(ToQString(m_strHotkeyRestore));
        m_pUi->comboFormat->setCurrentIndex(static_cast<int>(m_quotation.m_style.m_format));
        m_pUi->checkVerseNumbers->setChecked(m_quotation.m_style.m_bVerseNumbers);
        m_pUi->checkJoinLines->setChecked(m_quotation.m_style.m_bJoinLines);
        m_pUi->checkHtml->setChecked(m_quotation.m_bHtml != 0);
        m_pUi->checkKeepStrong->setChecked(m_quotation.m_passage.m_bKeepStrongNumbers);
        m_pUi->checkPasteIntoDocument->setChecked(m_quotation.m_bPasteIntoDocument != 0);
        m_pUi->editTemplate->setText(ToQString(m_quotation.m_strTemplate, TextEncoding::Utf8));
        return true;
    }
    for (QLineEdit* pField : {m_pUi->editHotkeyLaunch, m_pUi->editHotkeyRestore}) {
        if (pField->text().size() > 1) {
            AfxMessageBox(ToQString(HotkeyFieldTooLongMessage()));
            pField->setFocus();
            pField->selectAll();
            return false;
        }
    }
    std::string strTemplate = FromQString(m_pUi->editTemplate->text(), TextEncoding::Utf8);
    if (const std::string strError = QuotationTemplateError(strTemplate); !strError.empty()) {
        AfxMessageBox(ToQString(strError, TextEncoding::Utf8));
        m_pUi->editTemplate->setFocus();
        m_pUi->editTemplate->selectAll();
        return false;
    }
    m_strDirectory = PathFromQString(m_pUi->editDirectory->text());
    m_bTrayDef = m_pUi->checkTrayDef->isChecked() ? 1 : 0;
    m_bShowDlg = m_pUi->checkShowDlg->isChecked() ? 1 : 0;
    m_strHotkeyLaunch = FromQString(m_pUi->editHotkeyLaunch->text());
    m_strHotkeyRestore = FromQString(m_pUi->editHotkeyRestore->text());
    m_quotation.m_style.m_format = static_cast<CCitationFormat>(m_pUi->comboFormat->currentIndex());
    m_quotation.m_style.m_bVerseNumbers = m_pUi->checkVerseNumbers->isChecked();
    m_quotation.m_style.m_bJoinLines = m_pUi->checkJoinLines->isChecked();
    m_quotation.m_bHtml = m_pUi->checkHtml->isChecked() ? 1 : 0;
    m_quotation.m_passage.m_bKeepStrongNumbers = m_pUi->checkKeepStrong->isChecked();
    m_quotation.m_bPasteIntoDocument = m_pUi->checkPasteIntoDocument->isChecked() ? 1 : 0;
    m_quotation.m_strTemplate = std::move(strTemplate);
    return true;
}

CSettingsValues CSettingsDlg::Values() const {
    return CSettingsValues{m_strDirectory, m_bTrayDef, m_bShowDlg, HotkeyChar(m_strHotkeyLaunch),
                           HotkeyChar(m_strHotkeyRestore)};
}

void CSettingsDlg::accept() {
    if (UpdateData(true)) QDialog::accept();
}

void CSettingsDlg::OnBrowse() {
    UpdateData(true);
    CFolderPicker picker;
    picker.m_strCaption = QStringLiteral("Выберите каталог");
    picker.m_strTitle = QStringLiteral(" ");
    if (picker.Browse(this)) {
        m_strDirectory = picker.m_strPath;
        UpdateData(false);
    }
}

}  // namespace sorvanta
