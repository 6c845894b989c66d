#pragma once

#include "kit/EditorSpec.h"

// The contractor editor as declared: the company and the people it appoints above, the
// contract pages (工事内容 with the six permits, 北海道版) on the left and the six
// engineer pages on the right. Buttons are named as the form wires them: the staff
// buttons "btn" + the column they fill (btnKTNM, btnSNNM2, btnGJNM1), the names buttons
// btnSikaku1 to btnSikaku6 and the clear buttons btnClear1 to btnClear6 by the engineer
// page's tag.
EditorSpec ContractorEditorSpec();
