#pragma once

class DemoRowWriter;

namespace db {
class Transaction;
}

// What the roster print and the worker cards show on the demo site: a photo and a
// mutual-aid number for every worker of the road project, a certificate picture for every
// qualification with the expiry of the licences, and a veteran crane operator whose twelve
// qualifications run onto a second card page. Written after the workers.
void WriteDemoRosterPrints(DemoRowWriter &writer, db::Transaction &transaction);
