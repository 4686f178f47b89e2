#include "core/io/Background.h"

#include "core/model/ImageFile.h"

#include <QFileInfo>

void UpdateBackgroundBitmap(TProject& project) {
    project.BackgroundBitmap.reset();
    if (project.BackgroundType != 1 || project.BackgroundImage.isEmpty() ||
        !QFileInfo(project.BackgroundImage).isFile())
        return;
    QImage image;
    // An unreadable background shows the plain colour, as a missing one does.
    if (LoadImageFile(image, project.BackgroundImage).Ok && !image.isNull())
        project.BackgroundBitmap = std::move(image);
}
