#include "WorksheetCatalogue.h"

#include "shell/Captions.h"
#include "shell/LinkLabels.h"

#include "platform/NumberText.h"
#include "platform/RuntimeError.h"

namespace av {
namespace {

CheckBox& modeBox(Window& w, const QString& name, float left, const QString& text,
                  const QColor& colour) {
    CheckBox& box = w.add<CheckBox>(name);
    box.setBounds(left, 120, 2535, 375);
    box.setText(text);
    box.setFontSpec(style::tahomaBold(9.75));
    box.setForeColor(colour);
    return box;
}

} // namespace

WorksheetCatalogue::WorksheetCatalogue(App& app)
    : Screen(app, QString::fromLatin1(Name)),
      m_heading(addCaption(*this, glossary::catalogue::Heading, -1, {0, 0, 12000, 780},
                           QStringLiteral("Worksheets Catalogue"), style::tahomaBold(27.75))),
      m_editMode(modeBox(*this, QString::fromLatin1(glossary::catalogue::EditMode), 120,
                         QStringLiteral("Edit Worksheet"), style::Yellow)),
      m_deleteMode(modeBox(*this, QString::fromLatin1(glossary::catalogue::DeleteMode), 9240,
                           QStringLiteral("Delete Worksheet"), style::Red)),
      m_pageCaption(addCaption(*this, glossary::catalogue::PageCaption, -1, {120, 7920, 1995, 495},
                               QStringLiteral("Page 1"), style::tahomaBold(15.75))) {
    const QString list = QString::fromLatin1(glossary::catalogue::List);
    for (int j = 1; j <= Entries; ++j) {
        const int k = (j - 1) % 12;
        Label& label = addLink(*this, m_list, list, j, j <= 12 ? 120 : 6120, 720 + 600 * float(k),
                               5715, 375, QString(), 18);
        label.hide();
    }
    addLink(*this, m_list, list, 0, 10560, 7920, 1245, 495, QStringLiteral("Exit"), 18);
    const QString paging = QString::fromLatin1(glossary::catalogue::Links);
    addLink(*this, m_links, paging, 0, 2640, 7920, 3195, 495, QStringLiteral("<< Previous Page"))
        .hide();
    addLink(*this, m_links, paging, 1, 6000, 7920, 3195, 495, QStringLiteral("Next Page >>"))
        .hide();
    connectHandlers();
}

void WorksheetCatalogue::connectHandlers() {
    m_list.connectEach(&Label::clicked, this, [this](int i) {
        if (i == 0)
            onExitClicked();
        else
            onEntryClicked(i);
    });
    m_list.connectEach(&Label::mouseMove, this,
                       [this](int i, const MouseArgs&) { onEntryHovered(i); });
    m_links.connectEach(&Label::clicked, this, [this](int i) { onLinkClicked(CatalogueLink(i)); });
    connect(&m_editMode, &QCheckBox::toggled, this, &WorksheetCatalogue::onEditModeToggled);
    connect(&m_deleteMode, &QCheckBox::toggled, this, &WorksheetCatalogue::onDeleteModeToggled);
}

void WorksheetCatalogue::onLoad() {
    skipOnFailure([&] { applyCommonFrame(*this, app()); });
    // A register that cannot be read even so lists what was read last; nothing to tell.
    sayNotice(app().worksheets.refresh());
    m_titles = app().worksheets.titles();
    m_editMode.setBackColor(style::FrameBlue);
    m_deleteMode.setBackColor(style::FrameBlue);
    m_page = 0;
    for (int j = 1; j <= Entries; ++j) {
        entry(j).hide();
        entry(j).setFontSpec(style::tahomaBold(12));
    }
    int last = int(m_titles.size());
    if (last >= Entries + 1) {
        last = Entries;
        link(CatalogueLink::NextPage).show();
    }
    showEntries(1, last);
}

// Sets entries from slot first on (entry 1) to slot last, and shows them.
void WorksheetCatalogue::showEntries(int first, int last) {
    for (int i = first; i <= last; ++i) {
        Label& label = entry(i - first + 1);
        label.setCaption(m_titles.value(i - 1));
        label.show();
    }
}

void WorksheetCatalogue::showPage() {
    Label& previous = link(CatalogueLink::PreviousPage);
    Label& next = link(CatalogueLink::NextPage);
    for (int j = 1; j <= Entries; ++j) {
        entry(j).setCaption(QString());
        entry(j).hide();
    }
    previous.show();
    next.show();
    if (m_page == 0) previous.hide();
    if (m_page == LastPage) next.hide();
    m_pageCaption.setCaption(QStringLiteral("Page") + numberText(m_page + 1));
    int last = Entries * m_page + Entries;
    if (m_titles.size() < last + 1) {
        last = int(m_titles.size());
        next.hide();
    }
    showEntries(Entries * m_page + 1, last);
}

void WorksheetCatalogue::onLinkClicked(CatalogueLink link) {
    m_page += link == CatalogueLink::PreviousPage ? -1 : 1;
    showPage();
    playSound(ClickSound);
}

void WorksheetCatalogue::onEditModeToggled() {
    if (m_editMode.isChecked()) m_deleteMode.setChecked(false);
}

void WorksheetCatalogue::onDeleteModeToggled() {
    if (m_deleteMode.isChecked()) m_editMode.setChecked(false);
}

// Entry 0 is the exit link.
void WorksheetCatalogue::onEntryHovered(int entry) {
    hoverOn(m_list[entry]);
}

// The list is dense, with narrow gaps between its entries: they and Exit keep their fill
// whatever the pointer crosses or clicks, so the list never turns into bare outlines.
void WorksheetCatalogue::onPointerOverBackground(const MouseArgs&) {}

} // namespace av
