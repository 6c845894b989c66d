#pragma once

#include "Workbook.h"

// Each function lays out one template workbook as the site form it stands for; one
// source file each, named after the form.
namespace templates {

celvane::Workbook workerRoster();            // sagyoinmeibo: 作業員名簿
celvane::Workbook workerCard();              // sagyoincard: 作業員票
celvane::Workbook constructionLedger();      // sekoudaityo: 施工体制台帳
celvane::Workbook resubcontractNotice();     // saisita: 再下請負通知書
celvane::Workbook regionalLedger();          // dodaityo3: the regional ledger forms
celvane::Workbook engineerChart();           // gijutsutaikei: 技術者体系図
celvane::Workbook vehicleNotification();     // carry: 工事・通勤用車両届
celvane::Workbook machineNotification();     // kikai: 持込機械等使用届 with its checklist
celvane::Workbook toolNotification();        // kougu: 持込機械等（電動工具・電気溶接機等）使用届
celvane::Workbook safetySheets();            // sagyosiji: instruction, safety meeting, training
celvane::Workbook qualificationsByWorker();  // sikakulist: 取得資格一覧
celvane::Workbook qualificationHolders();    // sikakunames: 資格者氏名一覧
celvane::Workbook inspectionSheets();        // tenken: scaffold and machine inspections
celvane::Workbook constructionNotice();      // sonota: 施工体制台帳作成建設工事の通知

}  // namespace templates
