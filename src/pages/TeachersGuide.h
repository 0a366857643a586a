#pragma once

#include "PageWindow.h"
#include "shell/Glossary.h"

namespace av {

// The teachers' guide: five fixed pages read one at a time.
class TeachersGuide : public PageWindow {
    Q_OBJECT
  public:
    static constexpr const char* Name = glossary::window::TeachersGuide;
    static constexpr int PageTotal = 5;

    explicit TeachersGuide(App& app);

    void onLoad() override;
    // Shows page 1. A guide still open from before keeps its caption and paging links.
    void open();

  private:
    void pageTurned(Link link) override;
    QStringList neighbourPages() const override;
    void showPage(int page);
};

} // namespace av
