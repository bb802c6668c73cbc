#include "app/tx3inst.h"

#include <cstdio>

#include "app/language_page.h"
#include "app/language_tables.h"
#include "app/page_accessibility.h"
#include "app/wizard_control.h"
#include "app/wizard_page.h"
#include "app/wrapped_text.h"
#include "install/update_version.h"
#include "render/font.h"
#include "render/frame_buffer.h"
#include "render/primitives.h"
#include "render/text.h"

namespace {

constexpr uint16_t kYellow = 0xFFE0;
constexpr uint16_t kBlue = 31;
constexpr uint16_t kBlack = 0;
// The location page's entry box.
constexpr int kEntrySlot = 2;

int16_t at16(int value) {
  return static_cast<int16_t>(value);
}

// Where a page's panel sits: centred below the heading, two thirds of the
// frame each way.
struct PageLayout {
  int16_t heading;
  int16_t px;
  int16_t py;
  int16_t pw;
  int16_t ph;
};

PageLayout layoutFor(const FrameBuffer& frame) {
  const int16_t width = frame.width;
  const int16_t height = frame.height;
  PageLayout l{};
  l.heading = at16(fontHeight(frame, kFontHeading) + fontHeight(frame, kFontBody));
  l.pw = at16((2 * width) / 3);
  l.ph = at16((2 * (height - l.heading)) / 3);
  l.px = at16((width - l.pw) / 2);
  l.py = at16((height - l.ph) / 2);
  l.ph = at16(l.ph + 10);  // the panel reaches 10 pixels lower than it is centred for
  return l;
}

// A blue that fades from level 31 at the top to about 9 at the bottom.
void drawBackground(FrameBuffer& frame) {
  for (int row = 0; row < frame.height; ++row) {
    const uint16_t blue = static_cast<uint16_t>(23 - (23 * row) / frame.height + 8);
    drawLine(frame, 0, at16(row), frame.width, at16(row), kLineSolid, blue);
  }
}

void drawHeading(FrameBuffer& frame, int32_t language) {
  drawText(frame, 10, 0, kFontHeading, kYellow, languageText(kWizardTitle, language));
  drawText(frame, 10, at16(fontHeight(frame, kFontHeading)), kFontBody, kYellow, NEW_VERSION);
}

// Builds the controls of one page into the wizard's slots.
class PageBuilder {
 public:
  PageBuilder(TX3INST& wizard, const PageLayout& layout)
      : wizard_(wizard), l_(layout), language_(wizard.language) {}

  // Makes the page's controls; returns false when they are not to be drawn.
  bool build() {
    switch (wizard_.page) {
      case PAGE_LANGUAGE:
        return buildLanguagePage();
      case PAGE_NOT_FOUND:
        twoLineError(inactiveBack(), exitButton(), kNotFoundText, kReinstallHint);
        break;
      case PAGE_VERSIONS:
        buildVersions();
        break;
      case PAGE_INSTALLING:
        buildInstalling();
        break;
      case PAGE_COMPLETED:
        commonPanel(inactiveBack(), rightButton(kFinishText, KIND_EXIT, 0));
        label(5, 17, 15, text(kCompletedText), kBlack);
        break;
      case PAGE_SOURCE_ERROR:
        twoLineError(inactiveBack(), exitButton(), kSourceMissingText, kUpdateFileCorruptText);
        break;
      case PAGE_INSTALLATION_CORRUPT:
        twoLineError(inactiveBack(), exitButton(), kInstallationCorruptText, kReinstallHint);
        break;
      case PAGE_QUICKSTART:
        buildQuickStart();
        break;
      case PAGE_LOCATION:
        buildLocation();
        break;
      case PAGE_WRITE_ERROR:
        wrappedError(leftButton(kBackText, KIND_GOTO, PAGE_LOCATION), kWriteFailureText);
        break;
      case PAGE_NOT_COMPATIBLE:
        wrappedError(inactiveBack(), kIncompatibleText);
        break;
      default:
        break;
    }
    return true;
  }

  // What the page shows of the wizard's state besides its controls' making:
  // the installing page's text, the folder typed so far.
  void refresh() {
    if (wizard_.page == PAGE_INSTALLING)
      drawText(wizard_.frame(), l_.px, at16(wizard_.boxY - 40), kFontBody, kYellow,
               text(kUpdatingText));
    WizardControl* box = wizard_.controls[kEntrySlot];
    if (wizard_.page == PAGE_LOCATION && box != nullptr) {
      // The bar stands for the cursor at the end of the typed folder.
      char entry[kTextRoom + 2];
      std::snprintf(entry, sizeof entry, "%s|", wizard_.installDir);
      setControlText(*box, entry);
    }
  }

 private:
  const char* text(const LanguageTable& table) const { return languageText(table, language_); }

  void put(int slot, WizardControl* control) { putControl(wizard_.controls, slot, control); }

  WizardControl* button(int16_t x, const LanguageTable& caption, ControlKind kind, int32_t target) {
    return createControl(x, at16(l_.py + l_.ph - 30), 80, 20, text(caption), kind, target, kBlack);
  }
  WizardControl* leftButton(const LanguageTable& caption, ControlKind kind, int32_t target) {
    return button(at16(l_.px + l_.pw - 180), caption, kind, target);
  }
  WizardControl* rightButton(const LanguageTable& caption, ControlKind kind, int32_t target) {
    return button(at16(l_.px + l_.pw - 90), caption, kind, target);
  }
  WizardControl* inactiveBack() { return leftButton(kBackText, KIND_INACTIVE, 0); }
  WizardControl* exitButton() { return rightButton(kExitText, KIND_EXIT, 0); }

  void outerPanel() { put(1, createControl(l_.px, l_.py, l_.pw, l_.ph, "", KIND_INACTIVE, 0, 0)); }

  // Slot 3 takes the button at the left position, slot 4 the one at the right,
  // except where a page swaps them.
  void commonPanel(WizardControl* slot3, WizardControl* slot4) {
    outerPanel();
    WizardControl* inner = createControl(at16(l_.px + 10), at16(l_.py + 10), at16(l_.pw - 20),
                                         at16(l_.ph - 50), "", KIND_INACTIVE, 0, 0);
    if (inner != nullptr) inner->pressed = true;
    put(2, inner);
    put(3, slot3);
    put(4, slot4);
  }

  void label(int slot, int dx, int dy, const char* caption, uint16_t colour) {
    put(slot, createControl(at16(l_.px + dx), at16(l_.py + dy), l_.pw, 0, caption, KIND_LABEL, 0,
                            colour));
  }

  void twoLineError(WizardControl* back, WizardControl* forward, const LanguageTable& first,
                    const LanguageTable& second) {
    commonPanel(back, forward);
    label(5, 17, 15, text(first), kBlack);
    label(6, 17, 32, text(second), kBlack);
  }

  void wrappedError(WizardControl* back, const LanguageTable& message) {
    commonPanel(back, exitButton());
    int16_t slot = 5;
    int16_t y = at16(l_.py + 15);
    addWrappedText(wizard_.frame(), wizard_.controls, slot, at16(l_.px + 17), y, at16(l_.pw - 34),
                   text(message));
  }

  bool buildLanguagePage() {
    const int offered =
        buildLanguageButtons(wizard_.frame(), wizard_.controls, l_.heading, languageAvailable);
    if (offered != 1) return true;
    // With one language there is nothing to choose: the next step takes it.
    if (wizard_.controls[1] != nullptr) wizard_.controls[1]->clickPending = true;
    return false;
  }

  void buildVersions() {
    commonPanel(leftButton(kBackText, KIND_GOTO, PAGE_LANGUAGE),
                rightButton(kNextText, KIND_GOTO, PAGE_INSTALLING));
    label(5, 17, 15, text(kInstalledVersionCaption), kBlack);
    label(6, 30, 32, wizard_.installedVersion, kBlue);
    label(7, 17, 66, text(kNewVersionCaption), kBlack);
    label(8, 30, 83, NEW_VERSION, kBlue);
    label(9, 17, 117, text(kUpdateHint), kBlack);
  }

  void buildInstalling() {
    wizard_.boxX = l_.px;
    wizard_.boxY = at16((wizard_.height() - l_.heading) / 2);
    wizard_.boxW = l_.pw;
    put(1, createControl(wizard_.boxX, wizard_.boxY, wizard_.boxW, 40, "", KIND_INACTIVE, 0, 0));
    WizardControl* trough = createControl(at16(wizard_.boxX + 10), at16(wizard_.boxY + 10),
                                          at16(wizard_.boxW - 20), 20, "", KIND_INACTIVE, 0, 0);
    if (trough != nullptr) trough->pressed = true;
    put(2, trough);
  }

  void buildQuickStart() {
    // Yes is the button Enter presses, so it takes slot 4 at the left.
    commonPanel(rightButton(kNoText, KIND_KEEP_QUICKSTART, 0),
                leftButton(kYesText, KIND_DELETE_QUICKSTART, 0));
    int16_t slot = 5;
    int16_t y = at16(l_.py + 15);
    const int16_t x = at16(l_.px + 17);
    const int16_t width = at16(l_.pw - 34);
    addWrappedText(wizard_.frame(), wizard_.controls, slot, x, y, width, text(kQuickStartNotice));
    y = at16(y + kWrappedLineSpacing);  // one empty line before the question
    addWrappedText(wizard_.frame(), wizard_.controls, slot, x, y, width, text(kQuickStartQuestion));
  }

  void buildLocation() {
    wizard_.boxX = at16(l_.px + 10);
    wizard_.boxY = at16((wizard_.height() - l_.heading) / 2 + 40);
    wizard_.boxW = at16(l_.pw - 20);
    outerPanel();
    WizardControl* box =
        createControl(wizard_.boxX, wizard_.boxY, wizard_.boxW, 25, "", KIND_ENTRY, 0, kBlack);
    if (box != nullptr) box->pressed = true;
    put(kEntrySlot, box);
    put(3, leftButton(kBackText, KIND_GOTO, PAGE_LANGUAGE));
    put(4, rightButton(kNextText, KIND_GOTO, PAGE_VERSIONS));
    int16_t slot = 5;
    int16_t y = at16(l_.py + 10);
    addWrappedText(wizard_.frame(), wizard_.controls, slot, wizard_.boxX, y, wizard_.boxW,
                   text(kLocationText));
    y = at16(y + kWrappedLineSpacing);
    addWrappedText(wizard_.frame(), wizard_.controls, slot, wizard_.boxX, y, wizard_.boxW,
                   text(kContinueHint));
  }

  TX3INST& wizard_;
  const PageLayout l_;
  const int32_t language_;
};

}  // namespace

int defaultButtonSlot(int16_t page) {
  switch (page) {
    case PAGE_NOT_FOUND:
    case PAGE_VERSIONS:
    case PAGE_COMPLETED:
    case PAGE_SOURCE_ERROR:
    case PAGE_INSTALLATION_CORRUPT:
    case PAGE_QUICKSTART:
    case PAGE_LOCATION:
    case PAGE_WRITE_ERROR:
      return 4;
    default:
      return -1;
  }
}

// A page's controls are made when it is entered and kept while it is shown,
// so that a repaint loses no press, click or focus on them.
bool TX3INST::Redraw() {
  if (!isFrameReady(frame())) return true;
  drawBackground(frame());
  drawHeading(frame(), language);
  const bool entered = page != builtPage;
  PageBuilder builder(*this, layoutFor(frame()));
  bool drawn = true;
  if (entered) {
    releaseControls();
    putControl(controls, 0,
               createControl(at16(width() - 100), at16(height() - 40), 80, 20,
                             languageText(kExitText, language), KIND_EXIT, 0, kBlack));
    drawn = builder.build();
    // While installing nothing takes the focus: Enter and Space meant for the
    // pages around it press nothing.
    focus.enterPage(controls, page != PAGE_INSTALLING, defaultButtonSlot(page));
    newPageDrawn();
  }
  builder.refresh();
  focus.mark(controls);
  if (drawn) {
    for (const WizardControl* control : controls) drawControl(frame(), control);
  }
  builtPage = page;
  if (entered) announceNewPage(*this);
  return true;
}
