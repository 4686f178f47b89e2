#include "ui/MainWindow.h"
#include "ui/editor/CanvasPart.h"
#include "ui/editor/DesktopCommands.h"
#include "ui/editor/DocumentPart.h"
#include "ui/editor/EditorActions.h"
#include "ui/editor/ObjectCommands.h"
#include "ui/editor/RecoveryPart.h"
#include "ui/text/Language.h"
#include "ui/text/TextBinding.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace {
using TRule = std::function<bool(const TCommandState&)>;

const TRule kInMaster = [](const TCommandState& s) { return s.Master; };
const TRule kSelectionInMaster = [](const TCommandState& s) {
    return s.Master && (s.Selected || s.Multi);
};

constexpr QKeyCombination kNoKey;

QMenu* AddMenu(QMenuBar* bar, TText title, const char* name) {
    QMenu* menu = bar->addMenu(QString());
    menu->setObjectName(QString::fromLatin1(name));
    BindTitle(menu, title);
    return menu;
}
} // namespace

std::vector<TActionEntry> TMainForm::ActionTable() {
    TDocumentPart* doc = FDocument;
    TObjectCommands* obj = FObjects;
    TDesktopCommands* desktop = FDesktop;
    TRecoveryPart* recovery = FRecovery;
    const auto tool = [this] {
        FCanvas->ApplyToolMode();
        UpdateControls();
    };
    using C = TCommand;
    using I = TIconKind;
    return {
        {C::New,
         "NewAction1",
         {21001, "Neu"},
         Qt::CTRL | Qt::Key_N,
         I::New,
         [doc] { doc->NewAction1Execute(); },
         {}},
        {C::Open,
         "OpenAction1",
         {21002, "Öffnen..."},
         Qt::CTRL | Qt::Key_O,
         I::Open,
         [doc] { doc->OpenAction1Execute(); },
         {}},
        {C::Save,
         "SaveAction1",
         {21003, "Speichern"},
         Qt::CTRL | Qt::Key_S,
         I::Save,
         [doc] { doc->SaveAction1Execute(); },
         [](const TCommandState& s) { return s.Modified; }},
        {C::SaveAs,
         "SaveAsAction1",
         {21004, "Speichern unter..."},
         kNoKey,
         I::Save,
         [doc] { doc->SaveAsAction1Execute(); },
         {}},
        {C::Export,
         "ExportAction1",
         {21005, "Export..."},
         kNoKey,
         I::Play,
         [doc] { doc->ExportAction1Execute(); },
         [](const TCommandState& s) { return !s.Pending; }},
        {C::Settings,
         "SettingsAction1",
         {21006, "Einstellungen"},
         kNoKey,
         std::nullopt,
         [doc] { doc->SettingsAction1Execute(); },
         {}},
        {C::Recovery,
         "RecoveryAction1",
         {21007, "Wiederherstellung..."},
         kNoKey,
         std::nullopt,
         [recovery] { recovery->RecoveryAction1Execute(); },
         {}},
        {C::Exit, "ExitAction1", {21008, "Beenden"}, kNoKey, I::Delete, [this] { close(); }, {}},
        {C::Undo,
         "UndoAction1",
         {21009, "Rückgängig"},
         Qt::CTRL | Qt::Key_Z,
         I::Undo,
         [obj] { obj->UndoAction1Execute(); },
         [](const TCommandState& s) { return s.Pending; }},
        {C::Redo,
         "RedoAction1",
         {21010, "Wiederholen"},
         Qt::CTRL | Qt::Key_Y,
         I::Redo,
         [obj] { obj->RedoAction1Execute(); },
         [](const TCommandState& s) { return s.Redoable; }},
        {C::Cut,
         "CutAction1",
         {21011, "Ausschneiden"},
         Qt::CTRL | Qt::Key_X,
         I::Cut,
         [obj] { obj->CutAction1Execute(); },
         kSelectionInMaster},
        {C::Copy,
         "CopyAction1",
         {21012, "Kopieren"},
         Qt::CTRL | Qt::Key_C,
         I::Copy,
         [obj] { obj->CopyAction1Execute(); },
         kSelectionInMaster},
        {C::Paste,
         "PasteAction1",
         {21013, "Einfügen"},
         Qt::CTRL | Qt::Key_V,
         I::Paste,
         [obj] { obj->PasteAction1Execute(); },
         [](const TCommandState& s) { return s.Master && s.ClipboardHoldsObjects; }},
        {C::Delete,
         "DeleteAction1",
         {21014, "Löschen"},
         QKeyCombination(Qt::Key_Delete),
         I::Delete,
         [obj] { obj->DeleteAction1Execute(); },
         kSelectionInMaster},
        {C::ToFront,
         "ToFrontAction1",
         {21015, "Nach vorn"},
         kNoKey,
         I::ToFront,
         [obj] { obj->ToFrontAction1Execute(); },
         [](const TCommandState& s) { return s.Master && s.Selected && !s.SelectedOnTop; }},
        {C::ToBack,
         "ToBackAction1",
         {21016, "Nach hinten"},
         kNoKey,
         I::ToBack,
         [obj] { obj->ToBackAction1Execute(); },
         [](const TCommandState& s) { return s.Master && s.Selected && !s.SelectedAtBottom; }},
        {C::Angle,
         "AngleAction1",
         {21017, "Winkel..."},
         kNoKey,
         I::Angle,
         [obj] { obj->AngleAction1Execute(); },
         [](const TCommandState& s) { return s.SelectedPlaced; }},
        {C::Stretch,
         "StretchAction1",
         {21018, "Streckung..."},
         kNoKey,
         I::Stretch,
         [obj] { obj->StretchAction1Execute(); },
         [](const TCommandState& s) { return s.SelectedPlaced; }},
        {C::Data,
         "DataAction1",
         {21019, "Daten..."},
         kNoKey,
         I::Data,
         [obj] { obj->DataAction1Execute(); },
         [](const TCommandState& s) { return s.Selected != nullptr; }},
        {C::Content,
         "ContentAction1",
         {21020, "Programm-Hilfe"},
         kNoKey,
         I::Help,
         [desktop] { desktop->ContentAction1Execute(); },
         {}},
        {C::About,
         "AboutAction1",
         {21021, "Info"},
         kNoKey,
         std::nullopt,
         [desktop] { desktop->AboutAction1Execute(); },
         {}},
        {C::SelectionTool,
         "SelectionAction1",
         {21022, "Auswahl"},
         kNoKey,
         I::Selection,
         tool,
         {},
         true},
        {C::PolylineTool,
         "PolylineAction1",
         {21023, "Polyline"},
         kNoKey,
         I::Polyline,
         tool,
         kInMaster,
         true},
        {C::BezierPolylineTool,
         "BezierPolylineAction1",
         {21024, "BezierPolyline"},
         kNoKey,
         I::BezierPolyline,
         tool,
         kInMaster,
         true},
        {C::PolygonTool,
         "PolygonAction1",
         {21025, "Polygon"},
         kNoKey,
         I::Polygon,
         tool,
         kInMaster,
         true},
        {C::BezierPolygonTool,
         "BezierPolygonAction1",
         {21026, "BezierPolygon"},
         kNoKey,
         I::BezierPolygon,
         tool,
         kInMaster,
         true},
        {C::BitmapTool, "BitmapAction1", {21027, "Bild"}, kNoKey, I::Bitmap, tool, kInMaster, true},
        {C::TextTool, "TextAction1", {21028, "Text"}, kNoKey, I::Text, tool, kInMaster, true},
        {C::FormTool, "FormAction1", {21029, "Form"}, kNoKey, I::Form, tool, kInMaster, true},
    };
}

void TMainForm::CreateMenus() {
    const TEditorActions& a = *FActions;
    using C = TCommand;
    QMenu* file = AddMenu(menuBar(), {21040, "Datei"}, "FileMenu");
    file->addAction(a[C::New]);
    file->addSeparator();
    file->addActions({a[C::Open], a[C::Save], a[C::SaveAs]});
    file->addSeparator();
    file->addAction(a[C::Export]);
    file->addSeparator();
    file->addActions({a[C::Settings], a[C::Recovery]});
    file->addSeparator();
    file->addAction(a[C::Exit]);

    QMenu* edit = AddMenu(menuBar(), {21041, "Bearbeiten"}, "EditMenu");
    FCanvasMenu = new QMenu(this);
    FCanvasMenu->setObjectName(QStringLiteral("CanvasMenu"));
    for (QMenu* menu : {edit, FCanvasMenu}) {
        menu->addActions({a[C::Undo], a[C::Redo]});
        menu->addSeparator();
        menu->addActions({a[C::Cut], a[C::Copy], a[C::Paste], a[C::Delete]});
        menu->addSeparator();
        menu->addActions({a[C::ToFront], a[C::ToBack]});
        menu->addSeparator();
        menu->addActions({a[C::Angle], a[C::Stretch]});
        menu->addSeparator();
        menu->addAction(a[C::Data]);
    }
    FCanvas->SetContextMenu(FCanvasMenu);

    QMenu* object = AddMenu(menuBar(), {21042, "Objekt"}, "ObjectMenu");
    object->addAction(a[C::SelectionTool]);
    object->addSeparator();
    object->addActions(
        {a[C::PolylineTool], a[C::BezierPolylineTool], a[C::PolygonTool], a[C::BezierPolygonTool]});
    object->addSeparator();
    object->addActions({a[C::BitmapTool], a[C::TextTool], a[C::FormTool]});

    QMenu* help = AddMenu(menuBar(), {21043, "Hilfe"}, "HelpMenu");
    help->addAction(a[C::Content]);
    help->addSeparator();
    help->addMenu(LanguageMenu(help));
    help->addSeparator();
    help->addAction(a[C::About]);
}

QMenu* TMainForm::LanguageMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("LanguageMenu"));
    BindTitle(menu, {21045, "Sprache"});
    auto* group = new QActionGroup(menu);
    // Each language is named in itself, so the user finds theirs whatever is shown now.
    const std::pair<TUiLanguage, QString> languages[] = {
        {TUiLanguage::German, QStringLiteral("Deutsch")},
        {TUiLanguage::English, QStringLiteral("English")}};
    for (const auto& [language, name] : languages) {
        QAction* action = menu->addAction(name);
        action->setObjectName(language == TUiLanguage::German ? QStringLiteral("GermanAction")
                                                              : QStringLiteral("EnglishAction"));
        action->setCheckable(true);
        action->setActionGroup(group);
        OnLanguageChange(action, [action, language = language] {
            action->setChecked(TLanguageSwitch::Instance().Current() == language);
        });
        // Kept at once as well as at the end, so the choice outlives a crash.
        connect(action, &QAction::triggered, this, [language = language] {
            TLanguageSwitch::Instance().Apply(language);
            StoreUiLanguage(language);
        });
    }
    return menu;
}

void TMainForm::CreateToolBar() {
    const TEditorActions& a = *FActions;
    using C = TCommand;
    QToolBar* bar = addToolBar(QString());
    BindTitle(bar, {21044, "Werkzeuge"});
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->addActions({a[C::New], a[C::Open], a[C::Save]});
    auto* open = qobject_cast<QToolButton*>(bar->widgetForAction(a[C::Open]));
    open->setPopupMode(QToolButton::MenuButtonPopup);
    open->setMenu(FDocument->RecentMenu());
    bar->addSeparator();
    bar->addActions({a[C::Cut], a[C::Copy], a[C::Paste], a[C::Delete]});
    bar->addSeparator();
    bar->addActions({a[C::Undo], a[C::Redo]});
    bar->addSeparator();
    bar->addActions({a[C::ToFront], a[C::ToBack]});
    bar->addSeparator();
    bar->addActions({a[C::Angle], a[C::Stretch]});
    bar->addSeparator();
    bar->addAction(a[C::Data]);
}
