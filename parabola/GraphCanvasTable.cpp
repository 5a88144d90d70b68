#include "parabola/GraphCanvasTable.h"

#include "parabola/LayoutTables.h"

PropertyStream const& GraphCanvasTable()
{
    static PropertyStream const table = CanvasTable({
        .name = "Graph",
        .left = 20,
        .top = 14,
        .width = 560,
        .height = 460,
        .lock_left = true,
        .lock_top = true,
        .lock_right = true,
        .lock_bottom = true,
        .tab_index = 0,
    });
    return table;
}
