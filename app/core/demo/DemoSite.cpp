#include "DemoSite.h"

#include "DemoContractorDetails.h"
#include "DemoEquipment.h"
#include "DemoChart.h"
#include "DemoLedger.h"
#include "DemoMasters.h"
#include "DemoProjects.h"
#include "DemoRosterPrints.h"
#include "DemoRowWriter.h"
#include "DemoWorkers.h"
#include "db/Error.h"
#include "db/Transaction.h"

void FillDemoSite(db::Transaction &transaction)
{
    DemoRowWriter writer(transaction);
    try {
        WriteDemoNames(writer);
        WriteDemoStaff(writer);
        WriteDemoProjects(writer);
        WriteDemoContractorDetails(transaction);
        WriteDemoLedger(writer);
        WriteDemoWorkers(writer);
        WriteDemoChart(writer);
        WriteDemoRosterPrints(writer, transaction);
        WriteDemoEquipment(writer);
        transaction.commitRetaining();
    } catch (const db::Error &) {
        transaction.rollbackRetaining();
        throw;
    }
}
