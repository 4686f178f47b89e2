#include "core/model/PanelDefaults.h"

TProps NewObjectProps(const TPanelDefaults& d) {
    TProps props = MakeProps(d.BrushColor, d.PenColor, 0, d.Mask, d.TransColor, d.Trans,
                             d.FontStyle, d.FontSize, d.FontName, d.PenWidth, 0, QString());
    props.BrushShow = d.BrushShow;
    props.PenShow = d.PenShow;
    return props;
}
