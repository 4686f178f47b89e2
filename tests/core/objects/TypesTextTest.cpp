#include "RecordingTable.h"

#include "core/anim/Anim.h"
#include "core/objects/ObjectRecord.h"
#include "core/io/ProjectDump.h"
#include "core/model/Stream.h"
#include "core/objects/TypesText.h"
#include "core/render/Primitives.h"

#include <QBuffer>
#include <QJsonArray>
#include <gtest/gtest.h>

namespace {

TProps TextProps() {
    TProps props;
    props.BrushColor = 0x000000;
    props.FontName = QStringLiteral("Arial");
    props.FontSize = 20;
    return props;
}

// A text created by a click at (x, y) with the dialog answered by answer; Flag through flag.
std::unique_ptr<TTypesText> Created(TRecordingTable& table, const TInputAnswer& answer, int x,
                                    int y, bool& flag, Extended zoom = 1) {
    auto text = std::make_unique<TTypesText>(&table, TextProps(), zoom);
    table.ObjectDialogs.Inputs.Answers.push_back(answer);
    text->CreateMouseDown(TMouseButton::mbLeft, 0, x, y, flag);
    return text;
}

std::unique_ptr<TTypesText> Created(TRecordingTable& table, const QString& words, int mode,
                                    int x = 200, int y = 100) {
    bool flag = false;
    auto text = Created(table, {words, mode, true}, x, y, flag);
    EXPECT_TRUE(flag);
    return text;
}

QRect InkOf(TRecordingTable& table, TTypesObject& object) {
    object.ChangeSelection(false, false);
    table.BeginPaint(400, 200);
    object.Paint(&table);
    const QImage& image = table.EndPaint();
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

} // namespace

TEST(TypesText, CreationAsksForTextAndModeAndPlacesTheCentreOnTheClick) {
    TRecordingTable table;
    bool flag = false;
    const auto text = Created(table, {QStringLiteral("  Wort "), 2, true}, 90, 40, flag, 2);
    ASSERT_TRUE(flag);
    EXPECT_EQ(text->Text(), QStringLiteral("  Wort "));
    EXPECT_EQ(text->TextType(), 2);
    EXPECT_EQ(text->Centre().X, 45);
    EXPECT_EQ(text->Centre().Y, 20);
    EXPECT_TRUE(text->HasChanged());
    EXPECT_TRUE(text->IsSelected());
    EXPECT_TRUE(AllKeyFrames(*text));

    ASSERT_EQ(table.ObjectDialogs.Inputs.Asked.size(), 1u);
    const TInputQuestion& asked = table.ObjectDialogs.Inputs.Asked[0];
    EXPECT_EQ(asked.Caption, QStringLiteral("Eingabe"));
    EXPECT_EQ(asked.Prompt, QStringLiteral("Text"));
    EXPECT_EQ(asked.ListPrompt, QStringLiteral("Type"));
    EXPECT_EQ(asked.Index, 0);
    EXPECT_TRUE(asked.Text.isEmpty());
    EXPECT_EQ(asked.Items, QStringList({"TEXT_STRETCH", "TEXT_FORM_STRETCH", "TEXT_WORDBREAK",
                                        "TEXT_FORM_WORDBREAK"}));
}

TEST(TypesText, CancelOrBlanksPlaceNothing) {
    TRecordingTable table;
    for (const TInputAnswer& answer :
         {TInputAnswer{QStringLiteral("Wort"), 1, false}, TInputAnswer{QStringLiteral("   "), 1},
          TInputAnswer{QString(), 0}}) {
        bool flag = true;
        const auto text = Created(table, answer, 50, 50, flag);
        EXPECT_FALSE(flag) << answer.Text.toStdString();
        EXPECT_TRUE(text->Text().isEmpty());
        EXPECT_FALSE(text->HasChanged());
    }

    // Without anyone to answer there is no text either.
    TTypesText loose(nullptr, TextProps(), 1);
    bool flag = true;
    loose.CreateMouseDown(TMouseButton::mbLeft, 0, 10, 10, flag);
    EXPECT_FALSE(flag);
}

TEST(TypesText, BoxIsTheMeasuredTextZoomedAndStretched) {
    TRecordingTable table;
    const auto text = Created(table, QStringLiteral("Hallo Welt"), 0, 200, 100);
    const TPoint measured =
        GPMeasureText(QStringLiteral("Hallo Welt"), QStringLiteral("Arial"), 20, 0);
    TPlacedBox box = text->Box();
    EXPECT_EQ(box.Width, measured.X);
    EXPECT_EQ(box.Height, measured.Y);

    text->ChangeZoom(2, false);
    text->SetAspectPlacement({{100, 50}, 0, 1.5L, 0.5L});
    box = text->Box();
    EXPECT_EQ(box.Width, measured.X * 3);
    EXPECT_EQ(box.Height, measured.Y);
    EXPECT_EQ(text->GetRect(), RectExToRect(box.Bounds));
    EXPECT_EQ(box.Bounds.Left, 200 - measured.X * 1.5L);
}

TEST(TypesText, WordBreakModesReflowWhereStretchModesWidenTheGlyphs) {
    TRecordingTable table;
    const QString words = QStringLiteral("Ein paar Worte");
    const auto wrapped = Created(table, words, TEXT_WORDBREAK);
    const auto stretched = Created(table, words, TEXT_STRETCH);
    const QRect line = InkOf(table, *wrapped);
    ASSERT_FALSE(line.isEmpty());
    EXPECT_LE(std::abs(InkOf(table, *stretched).width() - line.width()), 1);

    // Wider: the wrapped text stays as it was, the stretched one doubles.
    wrapped->SetAspectPlacement({wrapped->Centre(), 0, 2, 1});
    stretched->SetAspectPlacement({stretched->Centre(), 0, 2, 1});
    EXPECT_LE(std::abs(InkOf(table, *wrapped).width() - line.width()), 1);
    EXPECT_GT(InkOf(table, *stretched).width(), line.width() * 19 / 10);

    // Narrower and taller: the words move onto further lines.
    wrapped->SetAspectPlacement({wrapped->Centre(), 0, 0.6L, 3});
    const QRect reflowed = InkOf(table, *wrapped);
    EXPECT_LT(reflowed.width(), line.width() * 7 / 10);
    EXPECT_GT(reflowed.height(), line.height() * 3 / 2);
}

TEST(TypesText, RecordRoundTripKeepsEveryField) {
    TRecordingTable table;
    const auto text = Created(table, QStringLiteral(" Zwei\r\nZeilen "), 3);
    text->ObjName = QStringLiteral("Titel");
    text->SetAspectPlacement({{12.25L, -3.5L}, 725.125L, 1.75L, 0.3L});
    text->ChangeZoom(1.5L, false);

    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    TStream stream(buffer);
    text->DataToStream(stream);
    const QByteArray bytes = buffer.data();
    const qint64 common = 4 + 47 + 2 * (0 + 5) + 4 + 2 * 38 + 4 + 2 * 5 + 5;
    EXPECT_EQ(bytes.size(), common + 4 + 4 + 2 * text->Text().size() + 6 * 10);

    buffer.seek(0);
    const std::unique_ptr<TTypesObject> read = ReadObjectRecord(stream, {&table, 1, nullptr});
    EXPECT_TRUE(buffer.atEnd());
    const auto* copy = dynamic_cast<const TTypesText*>(read.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Text(), text->Text());
    EXPECT_EQ(copy->TextType(), 3);
    EXPECT_EQ(copy->ID, text->ID);
    EXPECT_EQ(copy->ObjName, QStringLiteral("Titel"));
    EXPECT_EQ(copy->Angle(), 725.125L);
    EXPECT_EQ(copy->XPercent(), 1.75L);
    EXPECT_EQ(copy->YPercent(), 0.3L);
    EXPECT_EQ(copy->Centre().X, 12.25L);
    EXPECT_EQ(copy->Centre().Y, -3.5L);
    EXPECT_EQ(copy->Zoom(), 1.5L);
    EXPECT_EQ(copy->GetProps(), text->GetProps());
}

TEST(TypesText, CopiesAndDescriptionCarryTextAndMode) {
    TRecordingTable table;
    const auto text = Created(table, QStringLiteral("Wort"), 1, 30, 40);
    text->DblClick();
    const std::unique_ptr<TTypesObject> clone = CloneObject(text.get(), 1);
    const auto& copy = dynamic_cast<const TTypesText&>(*clone);
    EXPECT_EQ(copy.Text(), QStringLiteral("Wort"));
    EXPECT_EQ(copy.TextType(), 1);
    EXPECT_EQ(copy.Centre().X, 30);
    EXPECT_EQ(copy.Mode(), TPlacedObject::StretchMode);
    EXPECT_EQ(copy.TypeName(), QStringLiteral("Text"));
    EXPECT_EQ(copy.TypeCode(), 4);

    const QJsonObject fields = DescribeObject(*text);
    EXPECT_EQ(fields.value(QStringLiteral("text")).toString(), QStringLiteral("Wort"));
    EXPECT_EQ(fields.value(QStringLiteral("textType")).toInt(), 1);
    EXPECT_EQ(fields.value(QStringLiteral("center")).toArray(), (QJsonArray{30, 40}));
    EXPECT_TRUE(fields.contains(QStringLiteral("xPercent")));
}

TEST(TypesText, FramesBetweenKeysMoveTurnAndStretchTheText) {
    TRecordingTable table;
    TProject project;
    CreateFrames(project, 11);
    project.FrameCount = 11;
    std::unique_ptr<TTypesText> master = Created(table, QStringLiteral("Wort"), 0, 100, 100);
    std::unique_ptr<TTypesObject> key = CloneObject(master.get(), 1);
    key->SetAspectPlacement({{200, 50}, 90, 3, 0.5L});
    key->KeyFrameTrans = key->KeyFrameColor = false;
    project.Frames[0]->Objects.push_back(std::move(master));
    project.Frames[10]->Objects.push_back(std::move(key));

    BuildFrame(project, 5);
    ASSERT_EQ(project.Frames[5]->Objects.size(), 1u);
    const auto& built = dynamic_cast<const TTypesText&>(*project.Frames[5]->Objects[0]);
    EXPECT_EQ(built.Text(), QStringLiteral("Wort"));
    EXPECT_EQ(built.Centre().X, 150);
    EXPECT_EQ(built.Centre().Y, 75);
    EXPECT_EQ(built.Angle(), 45);
    EXPECT_EQ(built.XPercent(), 2);
    EXPECT_EQ(built.YPercent(), 0.75L);
}
