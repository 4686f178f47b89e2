#include "ui/Icons.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace {
struct TToolSpec {
    const char* ObjectName;
    const char* Caption;
    TIconKind Icon;
};

const std::array<TToolSpec, TMainForm::ToolCount> kTools = {{
    {"SelectionAction1", "Auswahl", TIconKind::Selection},
    {"PolylineAction1", "Polyline", TIconKind::Polyline},
    {"BezierPolylineAction1", "BezierPolyline", TIconKind::BezierPolyline},
    {"PolygonAction1", "Polygon", TIconKind::Polygon},
    {"BezierPolygonAction1", "BezierPolygon", TIconKind::BezierPolygon},
    {"BitmapAction1", "Bild", TIconKind::Bitmap},
    {"TextAction1", "Text", TIconKind::Text},
    {"FormAction1", "Form", TIconKind::Form},
}};
} // namespace

QAction* TMainForm::AddAction(const QString& objectName, const QString& caption,
                              const QKeySequence& shortcut) {
    auto* action = new QAction(caption, this);
    action->setObjectName(objectName);
    // The caption is the hint; no status tip, which would hide the status fields while shown.
    action->setToolTip(caption);
    action->setShortcut(shortcut);
    addAction(action);
    return action;
}

void TMainForm::CreateActions() {
    NewAction1 = AddAction(QStringLiteral("NewAction1"), QStringLiteral("Neu"),
                           QKeySequence(Qt::CTRL | Qt::Key_N));
    OpenAction1 = AddAction(QStringLiteral("OpenAction1"), QStringLiteral("Öffnen..."),
                            QKeySequence(Qt::CTRL | Qt::Key_O));
    SaveAction1 = AddAction(QStringLiteral("SaveAction1"), QStringLiteral("Speichern"),
                            QKeySequence(Qt::CTRL | Qt::Key_S));
    SaveAsAction1 =
        AddAction(QStringLiteral("SaveAsAction1"), QStringLiteral("Speichern unter..."));
    ExportAction1 = AddAction(QStringLiteral("ExportAction1"), QStringLiteral("Export..."));
    SettingsAction1 = AddAction(QStringLiteral("SettingsAction1"), QStringLiteral("Einstellungen"));
    ExitAction1 = AddAction(QStringLiteral("ExitAction1"), QStringLiteral("Beenden"));
    UndoAction1 = AddAction(QStringLiteral("UndoAction1"), QStringLiteral("Rückgängig"),
                            QKeySequence(Qt::CTRL | Qt::Key_Z));
    RedoAction1 = AddAction(QStringLiteral("RedoAction1"), QStringLiteral("Wiederholen"),
                            QKeySequence(Qt::CTRL | Qt::Key_Y));
    CutAction1 = AddAction(QStringLiteral("CutAction1"), QStringLiteral("Ausschneiden"),
                           QKeySequence(Qt::CTRL | Qt::Key_X));
    CopyAction1 = AddAction(QStringLiteral("CopyAction1"), QStringLiteral("Kopieren"),
                            QKeySequence(Qt::CTRL | Qt::Key_C));
    PasteAction1 = AddAction(QStringLiteral("PasteAction1"), QStringLiteral("Einfügen"),
                             QKeySequence(Qt::CTRL | Qt::Key_V));
    DeleteAction1 = AddAction(QStringLiteral("DeleteAction1"), QStringLiteral("Löschen"),
                              QKeySequence(Qt::Key_Delete));
    ToFrontAction1 = AddAction(QStringLiteral("ToFrontAction1"), QStringLiteral("Nach vorn"));
    ToBackAction1 = AddAction(QStringLiteral("ToBackAction1"), QStringLiteral("Nach hinten"));
    AngleAction1 = AddAction(QStringLiteral("AngleAction1"), QStringLiteral("Winkel..."));
    StretchAction1 = AddAction(QStringLiteral("StretchAction1"), QStringLiteral("Streckung..."));
    DataAction1 = AddAction(QStringLiteral("DataAction1"), QStringLiteral("Daten..."));
    ContentAction1 = AddAction(QStringLiteral("ContentAction1"), QStringLiteral("Programm-Hilfe"));
    AboutAction1 = AddAction(QStringLiteral("AboutAction1"), QStringLiteral("Info"));

    const std::array<std::pair<QAction*, TIconKind>, 18> icons = {{
        {NewAction1, TIconKind::New},
        {OpenAction1, TIconKind::Open},
        {SaveAction1, TIconKind::Save},
        {CutAction1, TIconKind::Cut},
        {CopyAction1, TIconKind::Copy},
        {PasteAction1, TIconKind::Paste},
        {DeleteAction1, TIconKind::Delete},
        {UndoAction1, TIconKind::Undo},
        {RedoAction1, TIconKind::Redo},
        {ToFrontAction1, TIconKind::ToFront},
        {ToBackAction1, TIconKind::ToBack},
        {AngleAction1, TIconKind::Angle},
        {StretchAction1, TIconKind::Stretch},
        {DataAction1, TIconKind::Data},
        {SaveAsAction1, TIconKind::Save},
        {ExportAction1, TIconKind::Play},
        {ExitAction1, TIconKind::Delete},
        {ContentAction1, TIconKind::Help},
    }};
    for (const auto& [action, icon] : icons)
        action->setIcon(EditorIcon(icon));
    // Export, the clipboard, the settings dialog and help are not part of this build: shown
    // where they belong, but never offered.
    for (QAction* action : {ExportAction1, CutAction1, CopyAction1, PasteAction1, SettingsAction1,
                            ContentAction1, AboutAction1})
        action->setEnabled(false);

    FToolGroup = new QActionGroup(this);
    FToolGroup->setExclusive(true);
    for (int i = 0; i < ToolCount; ++i) {
        QAction* action = AddAction(QString::fromLatin1(kTools[i].ObjectName),
                                    QString::fromUtf8(kTools[i].Caption));
        action->setCheckable(true);
        action->setIcon(EditorIcon(kTools[i].Icon));
        FToolGroup->addAction(action);
        FToolActions[i] = action;
    }
    FToolActions[0]->setChecked(true);
}

void TMainForm::CreateMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("Datei"));
    file->setObjectName(QStringLiteral("FileMenu"));
    file->addActions({NewAction1});
    file->addSeparator();
    file->addActions({OpenAction1, SaveAction1, SaveAsAction1});
    file->addSeparator();
    file->addAction(ExportAction1);
    file->addSeparator();
    file->addAction(SettingsAction1);
    file->addSeparator();
    file->addAction(ExitAction1);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("Bearbeiten"));
    edit->setObjectName(QStringLiteral("EditMenu"));
    FCanvasMenu = new QMenu(this);
    FCanvasMenu->setObjectName(QStringLiteral("CanvasMenu"));
    for (QMenu* menu : {edit, FCanvasMenu}) {
        menu->addActions({UndoAction1, RedoAction1});
        menu->addSeparator();
        menu->addActions({CutAction1, CopyAction1, PasteAction1, DeleteAction1});
        menu->addSeparator();
        menu->addActions({ToFrontAction1, ToBackAction1});
        menu->addSeparator();
        menu->addActions({AngleAction1, StretchAction1});
        menu->addSeparator();
        menu->addAction(DataAction1);
    }

    QMenu* object = menuBar()->addMenu(QStringLiteral("Objekt"));
    object->setObjectName(QStringLiteral("ObjectMenu"));
    object->addAction(FToolActions[0]);
    object->addSeparator();
    object->addActions({FToolActions[1], FToolActions[2], FToolActions[3], FToolActions[4]});
    object->addSeparator();
    object->addActions({FToolActions[5], FToolActions[6], FToolActions[7]});

    QMenu* help = menuBar()->addMenu(QStringLiteral("Hilfe"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    help->addAction(ContentAction1);
    help->addSeparator();
    help->addAction(AboutAction1);
}

void TMainForm::CreateToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("Werkzeuge"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->addActions({NewAction1, OpenAction1, SaveAction1});
    FRecentMenu = new QMenu(this);
    FRecentMenu->setObjectName(QStringLiteral("RecentMenu"));
    connect(FRecentMenu, &QMenu::aboutToShow, this, &TMainForm::FillRecentMenu);
    auto* open = qobject_cast<QToolButton*>(bar->widgetForAction(OpenAction1));
    open->setPopupMode(QToolButton::MenuButtonPopup);
    open->setMenu(FRecentMenu);
    bar->addSeparator();
    bar->addActions({CutAction1, CopyAction1, PasteAction1, DeleteAction1});
    bar->addSeparator();
    bar->addActions({UndoAction1, RedoAction1});
    bar->addSeparator();
    bar->addActions({ToFrontAction1, ToBackAction1});
    bar->addSeparator();
    bar->addActions({AngleAction1, StretchAction1});
    bar->addSeparator();
    bar->addAction(DataAction1);
}

void TMainForm::ConnectActions() {
    connect(NewAction1, &QAction::triggered, this, &TMainForm::NewAction1Execute);
    connect(OpenAction1, &QAction::triggered, this, &TMainForm::OpenAction1Execute);
    connect(SaveAction1, &QAction::triggered, this, &TMainForm::SaveAction1Execute);
    connect(SaveAsAction1, &QAction::triggered, this, &TMainForm::SaveAsAction1Execute);
    connect(ExitAction1, &QAction::triggered, this, &TMainForm::close);
    connect(UndoAction1, &QAction::triggered, this, &TMainForm::UndoAction1Execute);
    connect(RedoAction1, &QAction::triggered, this, &TMainForm::RedoAction1Execute);
    connect(DeleteAction1, &QAction::triggered, this, &TMainForm::DeleteAction1Execute);
    connect(ToFrontAction1, &QAction::triggered, this, &TMainForm::ToFrontAction1Execute);
    connect(ToBackAction1, &QAction::triggered, this, &TMainForm::ToBackAction1Execute);
    connect(AngleAction1, &QAction::triggered, this, &TMainForm::AngleAction1Execute);
    connect(StretchAction1, &QAction::triggered, this, &TMainForm::StretchAction1Execute);
    connect(DataAction1, &QAction::triggered, this, &TMainForm::DataAction1Execute);
    connect(FToolGroup, &QActionGroup::triggered, this, [this] {
        ApplyToolMode();
        UpdateControls();
    });
}
