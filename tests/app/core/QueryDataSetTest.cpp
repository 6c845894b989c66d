#include "SiteFixture.h"

#include "data/DataField.h"
#include "data/QueryDataSet.h"
#include "db/Error.h"

#include <gtest/gtest.h>

using QueryDataSetTest = SiteFixture;

TEST_F(QueryDataSetTest, OpensReadOnlyRowsAndExecutesStatements)
{
    QueryDataSet query(transaction());
    query.SetSQL("Select MAX(KJCD) AS KC from KOJI");
    query.Open();
    EXPECT_TRUE(query.FieldByName("kc").IsNull());
    EXPECT_EQ(query.FieldByName("KC").AsInteger() + 1, 1);

    query.SetSQL("insert into KOJI (KJCD, APDT, KJNM) values (7, '2009/01/01', 'x')");
    EXPECT_FALSE(query.Active());
    EXPECT_EQ(query.ExecSQL(), 1);

    query.SetSQL("select KJCD, KJNM from KOJI");
    query.Open();
    EXPECT_EQ(query.RecordCount(), 1);
    EXPECT_EQ(query.FieldByName("KJCD").AsString(), "7");
    EXPECT_THROW(query.Edit(), db::Error);
    EXPECT_THROW(query.FieldByName("KJNM").SetAsString("y"), db::Error);
    query.Next();
    EXPECT_TRUE(query.Eof());
}
