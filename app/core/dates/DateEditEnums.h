#pragma once

// The era preselected in an empty era date edit. The order follows the items of its era
// drop-down ("西暦" first, then the eras newest first): item index = value - 1, so
// degNone selects nothing.
enum TplDefGengo { degNone, degSeireki, degReiwa, degHeisei, degShowa, degTaisho, degMeiji };

// Which of the year, month and day fields an era date edit shows.
enum TplDateEditStyle { desYearMonthDay, desYearMonth, desYear };
