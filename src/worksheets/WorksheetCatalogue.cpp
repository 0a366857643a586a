#include "WorksheetCatalogue.h"

#include "shell/LinkLabels.h"

#include "platform/NumberText.h"
#include "platform/RuntimeError.h"

#include "model/RegisterRecovery.h"

namespace av {
namespace {

const QColor Yellow(255, 255, 0);

CheckBox& modeBox(Window& w, const QString& name, float left, const QString& text,
                  const QColor& colour) {
    CheckBox& box = w.add<CheckBox>(name);
    box.setBounds(left, 120, 2535, 375);
    box.setText(text);
    box.setFontSpec({QStringLiteral("Tahoma"), 9.75, true});
    box.setForeColor(colour);
    return box;
}

Label& plainLabel(Window& w, const QString& name, QRectF r, const QString& text, double points) {
    Label& label = w.add<Label>(name);
    label.setBounds(float(r.x()), float(r.y()), float(r.width()), float(r.height()));
    label.setCaption(text);
    label.setFontSpec({QStringLiteral("Tahoma"), points, true});
    label.setLabelForeColor(Yellow);
    label.setAlignment(Label::Align::Center);
    label.setOpaque(false);
    return label;
}

// Each load statement that fails is passed over and the next one runs.
template <class Step> void orSkip(Step step) {
    try {
        step();
    } catch (const RuntimeError&) {
    }
}

} // namespace

WorksheetCatalogue::WorksheetCatalogue(App& app)
    : Screen(app, QString::fromLatin1(Name)),
      Label1(plainLabel(*this, QStringLiteral("Label1"), {0, 0, 12000, 780},
                        QStringLiteral("Worksheets Catalogue"), 27.75)),
      Check1(
          modeBox(*this, QStringLiteral("Check1"), 120, QStringLiteral("Edit Worksheet"), Yellow)),
      Check2(modeBox(*this, QStringLiteral("Check2"), 9240, QStringLiteral("Delete Worksheet"),
                     QColor(255, 0, 0))),
      Label4(plainLabel(*this, QStringLiteral("Label4"), {120, 7920, 1995, 495},
                        QStringLiteral("Page 1"), 15.75)) {
    const QString entry = QStringLiteral("Label2");
    for (int j = 1; j <= Entries; ++j) {
        const int k = (j - 1) % 12;
        Label& label = addLink(*this, Label2, entry, j, j <= 12 ? 120 : 6120, 720 + 600 * float(k),
                               5715, 375, QString(), 18);
        label.hide();
    }
    addLink(*this, Label2, entry, 0, 10560, 7920, 1245, 495, QStringLiteral("Exit"), 18);
    addLink(*this, label3, QStringLiteral("label3"), 0, 2640, 7920, 3195, 495,
            QStringLiteral("<< Previous Page"))
        .hide();
    addLink(*this, label3, QStringLiteral("label3"), 1, 6000, 7920, 3195, 495,
            QStringLiteral("Next Page >>"))
        .hide();
    connectHandlers();
}

void WorksheetCatalogue::connectHandlers() {
    Label2.connectEach(&Label::clicked, this, [this](int i) { Label2_Click(i); });
    Label2.connectEach(&Label::mouseMove, this,
                       [this](int i, const MouseArgs&) { Label2_MouseMove(i); });
    label3.connectEach(&Label::clicked, this, [this](int i) { label3_Click(i); });
    connect(&Check1, &QCheckBox::toggled, this, &WorksheetCatalogue::Check1_Click);
    connect(&Check2, &QCheckBox::toggled, this, &WorksheetCatalogue::Check2_Click);
}

void WorksheetCatalogue::onLoad() {
    AppState& s = state();
    orSkip([&] { applyCommonFrame(*this, app()); });
    orSkip([&] {
        const QString keptAs = recoverRegister(app().file1, app().services.folder, s.worksheets);
        if (!keptAs.isEmpty()) say(rebuiltMessage(keptAs));
    });
    Check1.setBackColor(QColor(0, 78, 152));
    Check2.setBackColor(QColor(0, 78, 152));
    s.cataloguePage = 0;
    for (int j = 1; j <= Entries; ++j) {
        Label2[j].hide();
        Label2[j].setFontSpec({QStringLiteral("Tahoma"), 12, true});
    }
    int last = s.worksheets.count();
    if (s.worksheets.count() >= Entries + 1) {
        last = Entries;
        label3[1].show();
    }
    showEntries(1, last);
}

// Sets entries from slot first on (entry 1) to slot last, and shows them.
void WorksheetCatalogue::showEntries(int first, int last) {
    for (int i = first; i <= last; ++i) {
        Label& label = Label2[i - first + 1];
        label.setCaption(state().worksheets.name(i));
        label.show();
    }
}

void WorksheetCatalogue::workpage() {
    const int page = state().cataloguePage;
    for (int j = 1; j <= Entries; ++j) {
        Label2[j].setCaption(QString());
        Label2[j].hide();
    }
    label3[0].show();
    label3[1].show();
    if (page == 0) label3[0].hide();
    if (page == LastPage) label3[1].hide();
    Label4.setCaption(QStringLiteral("Page") + str(page + 1));
    int last = Entries * page + Entries;
    if (state().worksheets.count() < last + 1) {
        last = state().worksheets.count();
        label3[1].hide();
    }
    showEntries(Entries * page + 1, last);
}

void WorksheetCatalogue::label3_Click(int index) {
    state().cataloguePage += index == 0 ? -1 : 1;
    workpage();
    playSound(ClickSound);
}

void WorksheetCatalogue::Check1_Click() {
    if (Check1.isChecked()) Check2.setChecked(false);
}

void WorksheetCatalogue::Check2_Click() {
    if (Check2.isChecked()) Check1.setChecked(false);
}

void WorksheetCatalogue::Label2_MouseMove(int index) {
    hoverOn(Label2[index]);
}

void WorksheetCatalogue::onPointerOverBackground(const MouseArgs&) {
    hoverReset(Label2, {{0, Entries}});
}

} // namespace av
