#include "core/io/ProjectDump.h"

#include "core/io/JsonWriter.h"
#include "core/model/JsonValues.h"

namespace {
QJsonObject DescribeFrame(const TFrame& frame, int frameIndex) {
    QJsonArray objects;
    for (const auto& object : frame.Objects)
        objects.append(DescribeObject(*object));
    return {{QStringLiteral("frame"), frameIndex + 1}, {QStringLiteral("objects"), objects}};
}

QJsonArray DescribeFrames(const TProject& project, std::optional<int> frameIndex) {
    QJsonArray frames;
    if (frameIndex) {
        frames.append(DescribeFrame(*project.Frames.at(*frameIndex), *frameIndex));
        return frames;
    }
    for (std::size_t i = 0; i < project.Frames.size(); ++i)
        frames.append(DescribeFrame(*project.Frames[i], static_cast<int>(i)));
    return frames;
}

QJsonObject DescribeSettings(const TProject& project) {
    return {
        {QStringLiteral("width"), project.ProjectWidth},
        {QStringLiteral("height"), project.ProjectHeight},
        {QStringLiteral("frameCount"), project.FrameCount},
        {QStringLiteral("framesPerSec"), project.FramesPerSec},
        // 1-based as the editor shows them; a range stored near the integer limit stays exact.
        {QStringLiteral("playStart"), qint64{project.PlayStart} + 1},
        {QStringLiteral("playEnd"), qint64{project.PlayEnd} + 1},
        {QStringLiteral("backgroundType"), project.BackgroundType},
        {QStringLiteral("backgroundColor"), project.BackgroundColor},
        {QStringLiteral("backgroundImage"), project.BackgroundImage},
        {QStringLiteral("hasBackgroundBitmap"), project.BackgroundBitmap.has_value()},
        {QStringLiteral("showPaths"), project.ShowPaths},
        {QStringLiteral("splines"), project.Splines},
    };
}
} // namespace

QByteArray DumpProject(const TProject& project, std::optional<int> frameIndex) {
    QJsonObject document = DescribeSettings(project);
    document.insert(QStringLiteral("frames"), DescribeFrames(project, frameIndex));
    return WriteJson(document);
}

QJsonObject DescribeObject(const TTypesObject& object) {
    QJsonObject fields{
        {QStringLiteral("type"), object.TypeName()},
        {QStringLiteral("id"), object.ID},
        {QStringLiteral("name"), object.ObjName},
        {QStringLiteral("keyFrameMove"), object.KeyFrameMove},
        {QStringLiteral("keyFrameTurn"), object.KeyFrameTurn},
        {QStringLiteral("keyFrameStretch"), object.KeyFrameStretch},
        {QStringLiteral("keyFrameTrans"), object.KeyFrameTrans},
        {QStringLiteral("keyFrameColor"), object.KeyFrameColor},
        {QStringLiteral("props"), DescribeProps(object.GetProps())},
    };
    object.DescribeFields(fields);
    return fields;
}

QJsonObject DescribeProps(const TProps& props) {
    return {
        {QStringLiteral("brushColor"), props.BrushColor},
        {QStringLiteral("brushShow"), props.BrushShow},
        {QStringLiteral("penColor"), props.PenColor},
        {QStringLiteral("penWidth"), props.PenWidth},
        {QStringLiteral("penShow"), props.PenShow},
        {QStringLiteral("fontName"), props.FontName},
        {QStringLiteral("fontSize"), props.FontSize},
        {QStringLiteral("fontStyle"), props.FontStyle},
        {QStringLiteral("trans"), JsonNumber(props.Trans)},
        {QStringLiteral("transColor"), props.TransColor},
        {QStringLiteral("mask"), props.Mask},
    };
}
