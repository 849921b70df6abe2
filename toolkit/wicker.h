// The Wicker toolkit's one public header: programs include this and nothing else.
#ifndef WICKER_H
#define WICKER_H

#include "foundation/runtime_check.h"
#include "foundation/property.h"
#include "foundation/shared_handle.h"
#include "foundation/kept_handles.h"
#include "foundation/string.h"
#include "foundation/string_list.h"
#include "foundation/startup.h"
#include "foundation/app.h"
#include "foundation/screen.h"
#include "foundation/image.h"
#include "foundation/control.h"
#include "system/region_object.h"
#include "foundation/bitmap.h"
#include "foundation/image_box.h"
#include "foundation/picture_box.h"
#include "foundation/image_list.h"
#include "controls/tree_item.h"
#include "controls/button.h"
#include "controls/edit_boxes.h"
#include "controls/spin_box.h"
#include "controls/static_controls.h"
#include "controls/check_boxes.h"
#include "controls/group_boxes.h"
#include "controls/scroll_bar.h"
#include "controls/guage.h"
#include "controls/track.h"
#include "controls/control_group.h"
#include "controls/sunken_frame.h"
#include "controls/tab.h"
#include "controls/image_button.h"
#include "controls/list_boxes.h"
#include "controls/combo_box.h"
#include "controls/list_view_text.h"
#include "controls/list_view.h"
#include "controls/table_view.h"
#include "controls/tree_view.h"
#include "controls/drive_source.h"
#include "controls/drive_combo_box.h"
#include "controls/text_file.h"
#include "controls/form.h"
#include "controls/mdi_form.h"
#include "controls/splitter.h"
#include "controls/invert_bar.h"
#include "controls/message_boxes.h"
#include "controls/menus.h"
#include "richtext/rtf_builders.h"
#include "richtext/rtf_markup.h"
#include "richtext/rich_text_box.h"
#include "richtext/tips_file.h"
#include "richtext/tips_dialog.h"
#include "system/system.h"
#include "system/mouse.h"
#include "system/console.h"
#include "system/shutdown.h"
#include "system/environment.h"
#include "system/icon_object.h"
#include "system/file_dialog.h"
#include "system/file_name_dialogs.h"
#include "system/browse_for_folder.h"
#include "system/choose_color.h"
#include "system/resampler.h"
#include "system/bmp_file.h"
#include "system/byte_buffer.h"
#include "system/language_table.h"
#include "system/sheet_writer.h"
#include "system/md5.h"
#include "system/base64.h"
#include "system/base64_string.h"

// Every unit of the program that includes this header records its compile
// stamp before the entry point runs; App's CompileDate and CompileTime give the
// latest, the time the program was built.
namespace {
struct WickerProgramStamp {
    WickerProgramStamp() { RecordProgramStamp(__DATE__, __TIME__); }
};
WickerProgramStamp wickerProgramStamp;
}  // namespace

#endif
