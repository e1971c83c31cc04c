// The Detail Setting page: what it shows at every opening, and what choosing a
// model or a port changes on it.
#include "WizardSteps.h"
#include "WizardUi.h"
#include "catalogue/ModelCatalogue.h"
#include "lib/ComboBox.h"
#include "lib/Poll.h"
#include "lib/Utf8.h"

#include <string>
#include <vector>

namespace {

namespace page = ui::detailSetting;

struct SerialSelection {
    int id;
    const char* name;
    const wchar_t* initialText;
};

const SerialSelection kInitialSerialSelections[] = {
    {page::kPort, "port", L"LPT1"},       {page::kBaudRate, "baud rate", L"19200"},
    {page::kDataBits, "data bits", L"8"}, {page::kStopBits, "stop bits", L"1"},
    {page::kParity, "parity", L"None"},   {page::kFlowControl, "flow control", L"Hardware"},
};

// The hidden serial group's controls that have no id of their own.
struct Decoration {
    const wchar_t* className;
    const wchar_t* text;
};

const Decoration kSerialDecorations[] = {
    {L"Button", L"打印机端口设置"}, {L"Static", L"端口"},   {L"Static", L"波特率"}, {L"Static", L"字节长度"},
    {L"Static", L"停止位"},         {L"Static", L"校验位"}, {L"Static", L"流控制"},
};

std::string controlName(int id) {
    return "(" + std::to_string(id) + ")";
}

std::wstring joined(const std::vector<std::wstring>& texts) {
    std::wstring result;
    for (const std::wstring& text : texts) result += (result.empty() ? L"" : L" | ") + text;
    return result;
}

// What choosing a model or a port must leave alone.
struct PageState {
    LRESULT defaultPrinter;
    std::vector<int> serialSelections;
    std::vector<bool> serialEnabled;

    bool operator==(const PageState& other) const {
        return defaultPrinter == other.defaultPrinter && serialSelections == other.serialSelections &&
               serialEnabled == other.serialEnabled;
    }
};

PageState readState(Window detail) {
    PageState state{detail.control(page::kDefaultPrinter).checkState(), {}, {}};
    for (const SerialSelection& box : kInitialSerialSelections) {
        state.serialSelections.push_back(ComboBox(detail.control(box.id)).selection());
        state.serialEnabled.push_back(detail.control(box.id).isEnabled());
    }
    return state;
}

// Ids of the five serial boxes whose enabled state differs from `enabled`.
std::string serialBoxesNot(Window detail, bool enabled) {
    std::string ids;
    for (int id : page::kSerialBoxes) {
        if (detail.control(id).isEnabled() != enabled) ids += " " + std::to_string(id);
    }
    return ids;
}

void checkOpening(Report& report, Window detail, const std::string& when) {
    report.checkEqual(when + ": caption", ui::kDetailSettingCaption, detail.caption());

    ComboBox model(detail.control(page::kModel));
    report.checkEqual(when + ": the model box selects item 2", page::kDefaultModel, model.selection());
    std::vector<std::wstring> expected, items;
    for (int i = 0; i < ModelCatalogue::ModelCount; ++i)
        expected.push_back(wideFromUtf8(ModelCatalogue::displayName(i)));
    for (int i = 0; i < model.count(); ++i) items.push_back(model.itemText(i));
    report.checkEqual(when + ": the model box (1011) lists the catalogue's models in order", joined(expected),
                      joined(items));

    Window printerName = detail.control(page::kPrinterName);
    report.checkEqual(when + ": Printer Name (1013) shows item 2's text", model.itemText(page::kDefaultModel),
                      printerName.text());
    report.check((printerName.style() & ES_READONLY) != 0, when + ": Printer Name (1013) is read-only",
                 "no ES_READONLY in its style");
    report.checkEqual(when + ": Set Default Printer (1012) is checked", BST_CHECKED,
                      detail.control(page::kDefaultPrinter).checkState());

    for (const SerialSelection& box : kInitialSerialSelections) {
        ComboBox combo(detail.control(box.id));
        report.checkEqual(
            when + ": the " + box.name + " box " + controlName(box.id) + " selects \"" + toUtf8(box.initialText) + "\"",
            box.initialText, combo.itemText(combo.selection()));
    }
    const std::string enabledBoxes = serialBoxesNot(detail, false);
    report.check(enabledBoxes.empty(), when + ": the five serial boxes are disabled", "enabled:" + enabledBoxes);
    report.check(detail.control(page::kPort).isEnabled(), when + ": the port box (1014) is enabled", "disabled");

    std::string shown;
    for (const SerialSelection& box : kInitialSerialSelections) {
        Window control = detail.control(box.id);
        if (!control.exists() || control.isVisible()) shown += " " + std::to_string(box.id);
    }
    report.check(shown.empty(), when + ": the six serial boxes exist and are hidden", "missing or shown:" + shown);
    std::string decorations;
    for (const Decoration& decoration : kSerialDecorations) {
        Window control = detail.child(decoration.className, decoration.text);
        if (!control.exists() || control.isVisible()) decorations += " \"" + toUtf8(decoration.text) + "\"";
    }
    report.check(decorations.empty(), when + ": the serial group box and its six labels exist and are hidden",
                 "missing or shown:" + decorations);
}

void chooseEveryModel(WizardRun& run, Window detail) {
    // From the model after the default round to it: each choice differs from the one before, so every change shows.
    for (int step = 1; step <= ModelCatalogue::ModelCount; ++step) {
        const int model = (page::kDefaultModel + step) % ModelCatalogue::ModelCount;
        const PageState before = readState(detail);
        if (!run.chooseModel(detail, model)) continue;
        run.report().check(readState(detail) == before,
                           "choosing model " + std::to_string(model) + " leaves the check box and serial boxes alone",
                           "their state changed");
    }
}

void choosePort(Report& report, Window detail, int port) {
    const bool comPort = port > 2;
    const std::string step = "port selection " + std::to_string(port);
    std::vector<int> selections = readState(detail).serialSelections;
    ComboBox(detail.control(page::kPort)).choose(port);
    selections[0] = port;
    pollUntil(timeouts::kWindowMs, [&] { return serialBoxesNot(detail, comPort).empty(); });
    const std::string wrong = serialBoxesNot(detail, comPort);
    report.check(wrong.empty(), step + (comPort ? " enables" : " disables") + " the five serial boxes",
                 (comPort ? "still disabled:" : "still enabled:") + wrong);
    report.check(readState(detail).serialSelections == selections, step + " leaves the serial selections alone",
                 "a selection changed");
}

void chooseEveryPort(Report& report, Window detail) {
    // COM and LPT alternate, so that every choice must change the boxes.
    for (int port : {3, 0, 4, 1, 5, 2, 6, 0}) choosePort(report, detail, port);
    std::string shown;
    for (const SerialSelection& box : kInitialSerialSelections) {
        if (detail.control(box.id).isVisible()) shown += " " + std::to_string(box.id);
    }
    report.check(shown.empty(), "the serial boxes stay hidden after the choices", "shown:" + shown);
}

void detailSettingPage(ScenarioContext& context) {
    WizardRun run(context);
    Report& report = run.report();
    Window first = run.toDetailSetting();
    if (!first.exists()) return;
    checkOpening(report, first, "at opening");
    Window printerName = first.control(page::kPrinterName);
    const std::wstring shown = printerName.text();
    printerName.send(WM_CHAR, L'x', 1);
    report.checkEqual("typing into Printer Name (1013) changes nothing", shown, printerName.text());
    chooseEveryModel(run, first);
    chooseEveryPort(report, first);

    // Leave the page unlike its initial state, so that a page that kept it would show.
    run.chooseModel(first, 5);
    run.uncheckDefaultPrinter(first);
    choosePort(report, first, 4);
    Window selectOs = run.clickThrough(first, page::kBack, ui::kSelectOsCaption, "Back on Detail Setting");
    Window second = run.clickThrough(selectOs, ui::selectOs::kNext, ui::kDetailSettingCaption, "Next on Select OS");
    if (!second.exists()) return;
    report.check(second != first, "Next shows a new Detail Setting page", "same window handle");
    checkOpening(report, second, "after Back and Next");
}

const ScenarioRegistration registrations[] = {
    {"detail-setting-page", PrefixArch::Win64, detailSettingPage},
};

}  // namespace
