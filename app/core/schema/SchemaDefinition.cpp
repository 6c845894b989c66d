#include "SchemaDefinition.h"

#include "GyosyaUpgrade.h"

namespace {

// "KYGY1 VARCHAR(50), KYGY2 VARCHAR(50), ..." for `pattern` with %1 as the number.
QString series(const QString &pattern, int from, int to)
{
    QStringList columns;
    for (int n = from; n <= to; ++n)
        columns << pattern.arg(n);
    return columns.join(QStringLiteral(", "));
}

QString housekeeping(int spareIntegers, int spareTexts)
{
    return QStringLiteral("CRDT DM_DATE, EDDT DM_DATE, ") + series(QStringLiteral("YOBIN%1 INTEGER"), 1, spareIntegers)
        + QStringLiteral(", ") + series(QStringLiteral("YOBIS%1 VARCHAR(512)"), 1, spareTexts);
}

const QStringList domains = {
    QStringLiteral("create domain DM_DATE as VARCHAR(20)"),
    QStringLiteral("create domain DM_FILE as VARCHAR(512)"),
};

QString koji()
{
    return QStringLiteral("create table KOJI (KJCD SMALLINT not null, APDT DM_DATE not null, KJNM VARCHAR(200),"
                          " KJNY VARCHAR(200), STDT DM_DATE, FNDT DM_DATE, SGDT DM_DATE, JV SMALLINT,"
                          " MTNM VARCHAR(100), MTAD VARCHAR(200), STNM VARCHAR(100), STAD VARCHAR(200),"
                          " ODNM VARCHAR(100), ODPOST VARCHAR(10), ODADD VARCHAR(200), SKNM VARCHAR(50),"
                          " SNNM VARCHAR(50), KTNM VARCHAR(50), KG VARCHAR(200), IK VARCHAR(200), KANM VARCHAR(50),"
                          " FCNM VARCHAR(100), FUNM VARCHAR(50), TTNM VARCHAR(10), ANNM VARCHAR(50), RPNM VARCHAR(50),"
                          " CRDT DM_DATE, EDDT DM_DATE)");
}

// GYOSYA as of 0.4.6; the later columns come from the upgrade statements.
QString gyosya()
{
    return QStringLiteral("create table GYOSYA (KJCD SMALLINT not null, GYOCD SMALLINT not null,"
                          " APDT DM_DATE not null, CPNM VARCHAR(100), PSNM VARCHAR(50), PRNM VARCHAR(50),"
                          " JGNM VARCHAR(100), POST VARCHAR(10), ADRS VARCHAR(200), TEL VARCHAR(30), FAX VARCHAR(30),"
                          " KTNM VARCHAR(50), KTKG VARCHAR(200), KTIK VARCHAR(200),"
                          " GBNM VARCHAR(50), GBKG VARCHAR(200), GBIK VARCHAR(200),"
                          " ANNM VARCHAR(50), ASNM VARCHAR(50), KKNM VARCHAR(50), TEIS VARCHAR(100),"
                          " KJTYP VARCHAR(50), ISKJ SMALLINT, KJNM VARCHAR(200), KYCOM VARCHAR(100),"
                          " KYADD VARCHAR(200), STDT DM_DATE, FNDT DM_DATE, SGDT DM_DATE, ")
        + series(QStringLiteral("KYGY%1 VARCHAR(50)"), 1, 6) + QStringLiteral(", ")
        + series(QStringLiteral("KYAREA%1 VARCHAR(10)"), 1, 6) + QStringLiteral(", ")
        + series(QStringLiteral("KYTYPE%1 VARCHAR(10)"), 1, 6) + QStringLiteral(", ")
        + series(QStringLiteral("KYKIGO%1 VARCHAR(20)"), 1, 6) + QStringLiteral(", ")
        + series(QStringLiteral("KYNUM%1 VARCHAR(20)"), 1, 6) + QStringLiteral(", ")
        + series(QStringLiteral("KYDT%1 DM_DATE"), 1, 6) + QStringLiteral(", ")
        + series(QStringLiteral("KSNM%1 VARCHAR(10)"), 1, 4) + QStringLiteral(", ")
        + series(QStringLiteral("SNSE%1 VARCHAR(10)"), 1, 4) + QStringLiteral(", ")
        + series(QStringLiteral("SNNM%1 VARCHAR(50)"), 1, 4) + QStringLiteral(", ")
        + series(QStringLiteral("SNSK%1 VARCHAR(100)"), 1, 4) + QStringLiteral(", ")
        + series(QStringLiteral("SNNO%1 VARCHAR(40)"), 1, 4) + QStringLiteral(", ")
        + series(QStringLiteral("SNDT%1 DM_DATE"), 1, 4) + QStringLiteral(", ")
        + series(QStringLiteral("SDFILE%1 DM_FILE"), 1, 4) + QStringLiteral(", ")
        + series(QStringLiteral("GJNM%1 VARCHAR(50)"), 1, 2) + QStringLiteral(", ")
        + series(QStringLiteral("GJSI%1 VARCHAR(100)"), 1, 2) + QStringLiteral(", ")
        + series(QStringLiteral("GJKJ%1 VARCHAR(100)"), 1, 2) + QStringLiteral(", ")
        + series(QStringLiteral("GJFILE%1 DM_FILE"), 1, 2) + QStringLiteral(", CRDT DM_DATE, EDDT DM_DATE)");
}

// Column order is binding: the construction system is inserted positionally.
QString taisei()
{
    return QStringLiteral("create table TAISEI (KJCD SMALLINT not null, GYOCD SMALLINT not null, CPNM VARCHAR(100),"
                          " HTYCD SMALLINT, UNUM SMALLINT, EFECT SMALLINT, CRDT DM_DATE, EDDT DM_DATE,"
                          " YOBIN1 INTEGER, YOBIN2 INTEGER, YOBIS1 VARCHAR(512), YOBIS2 VARCHAR(512),"
                          " YOBIS3 VARCHAR(512), YOBIS4 VARCHAR(512))");
}

// Column order is binding: chart boxes are inserted positionally.
QString taikei()
{
    return QStringLiteral("create table TAIKEI (KJCD SMALLINT not null, APDT DM_DATE not null, GYOCD SMALLINT not null,"
                          " CPNM VARCHAR(100), HTYCD SMALLINT, UNUM SMALLINT, LOCPG SMALLINT, LOCROW SMALLINT,"
                          " LOCCOL SMALLINT, CRDT DM_DATE, EDDT DM_DATE, YOBIN1 INTEGER, YOBIN2 INTEGER,"
                          " YOBIS1 VARCHAR(512), YOBIN3 INTEGER, YOBIS2 VARCHAR(512), YOBIS3 VARCHAR(512),"
                          " YOBIS4 VARCHAR(512))");
}

QString sagyoin()
{
    return QStringLiteral("create table SAGYOIN (KJCD SMALLINT not null, GYOCD SMALLINT not null,"
                          " INCD SMALLINT not null, ODRNO SMALLINT, APDT VARCHAR(20), CPNM VARCHAR(100),"
                          " NAME VARCHAR(50), FURI VARCHAR(100), BNDT VARCHAR(20), TYP VARCHAR(60),"
                          " FMLE SMALLINT, YNG SMALLINT, ADVA SMALLINT, KIGO VARCHAR(60), KYDT VARCHAR(20),"
                          " KKNUM SMALLINT, OLD SMALLINT, ADRS VARCHAR(200), TEL VARCHAR(30),"
                          " FAMADD VARCHAR(200), FAMTEL VARCHAR(30), KKDT VARCHAR(20), TKDT VARCHAR(20),"
                          " TKNM VARCHAR(80), PRESL SMALLINT, PRESU SMALLINT, BRED VARCHAR(4), BRRH VARCHAR(2),"
                          " INDT VARCHAR(20), UKDT VARCHAR(20), MENKYO VARCHAR(100), GINOKYO VARCHAR(100),"
                          " TOKUKYO VARCHAR(100), KYONO VARCHAR(40), SEL SMALLINT, DEL SMALLINT, SALUNT INTEGER,"
                          " BARCDNO VARCHAR(16), SDFL DM_FILE, CRDT VARCHAR(20), EDDT VARCHAR(20), ")
        + series(QStringLiteral("YOBIN%1 INTEGER"), 1, 5) + QStringLiteral(", ")
        + series(QStringLiteral("YOBIS%1 VARCHAR(512)"), 1, 5) + QStringLiteral(")");
}

QString insikaku()
{
    return QStringLiteral(
        "create table INSIKAKU (INNO INTEGER not null, KJCD SMALLINT, GYOCD SMALLINT, INCD SMALLINT,"
        " CPNM VARCHAR(100), NAME VARCHAR(50), BNDT VARCHAR(20), KBN SMALLINT, PRNM VARCHAR(16),"
        " SKNM VARCHAR(100), SKNO VARCHAR(40), SKDT DM_DATE, YOBIS1 VARCHAR(512), YOBIS2 VARCHAR(512))");
}

QString shoku()
{
    return QStringLiteral("create table SHOKU (SHCD INTEGER not null, NAME VARCHAR(50), FURI VARCHAR(100),"
                          " POST VARCHAR(100), BNDT VARCHAR(20), SNSK VARCHAR(100), SNNO VARCHAR(40), SDFL DM_FILE,"
                          " YOBIN1 INTEGER, YOBIN2 INTEGER, YOBIS1 VARCHAR(512), YOBIS2 VARCHAR(512),"
                          " YOBIS3 VARCHAR(512), YOBIS4 VARCHAR(512))");
}

QString educ()
{
    return QStringLiteral("create table EDUC (EDCD INTEGER not null, KBN SMALLINT, NM VARCHAR(100), PRNM VARCHAR(16),"
                          " ODRNO SMALLINT, YOBIN INTEGER, YOBIS VARCHAR(512))");
}

QString carry()
{
    return QStringLiteral("create table CARRY (KJCD SMALLINT not null, GYOCD SMALLINT not null, CRCD INTEGER not null,"
                          " JYUNO SMALLINT, CMP1NM VARCHAR(100), USECMPNM VARCHAR(100), USEUNUM SMALLINT,"
                          " DAIRI VARCHAR(50), STDT VARCHAR(20), FNDT VARCHAR(20), USRNM VARCHAR(50),"
                          " AZNM VARCHAR(50), CATTYP VARCHAR(100), CARNO VARCHAR(100), LICST VARCHAR(20),"
                          " LICFN VARCHAR(20), OPNM VARCHAR(50), OPBNDT VARCHAR(20), OPADD VARCHAR(200),"
                          " OPLIC VARCHAR(100), OPLICNO VARCHAR(40), DV1CMP VARCHAR(100), DV1NO VARCHAR(40),"
                          " DV1ST VARCHAR(20), DV1FN VARCHAR(20), DV2CMP VARCHAR(100), DV2NO VARCHAR(40),"
                          " DV2M1 INTEGER, DV2M2 INTEGER, DV2M3 INTEGER, DV2ST VARCHAR(20), DV2FN VARCHAR(20),"
                          " ROOT VARCHAR(256), BARCDNO VARCHAR(16), CRDT VARCHAR(20), EDDT VARCHAR(20), ")
        + series(QStringLiteral("YOBIN%1 INTEGER"), 1, 5) + QStringLiteral(", ")
        + series(QStringLiteral("YOBIS%1 VARCHAR(512)"), 1, 5) + QStringLiteral(")");
}

QString kikaiChecks()
{
    QStringList columns;
    for (const QString &name : KikaiCheckColumns())
        columns << name + QStringLiteral(" SMALLINT");
    return columns.join(QStringLiteral(", "));
}

QString kikai()
{
    return QStringLiteral("create table KIKAI (KJCD SMALLINT not null, GYOCD SMALLINT not null, MCCD INTEGER not null,"
                          " CMP1NM VARCHAR(100), HNDOWCMPNM VARCHAR(100), HNDUNUM SMALLINT, HNDPRE VARCHAR(50),"
                          " HNDTEL VARCHAR(30), USECMPNM VARCHAR(100), USEPRE VARCHAR(50), KKNM VARCHAR(100),"
                          " KKMK VARCHAR(100), KKSPEC VARCHAR(256), MDYMD VARCHAR(16), KNRNO VARCHAR(32),"
                          " STDT VARCHAR(20), FNDT VARCHAR(20), USNM VARCHAR(100), ISRS SMALLINT,"
                          " DRV1 VARCHAR(50), DRV1LS VARCHAR(200), DRV2 VARCHAR(50), DRV2LS VARCHAR(200), ")
        + series(QStringLiteral("TES%1YMD VARCHAR(20)"), 1, 5)
        + QStringLiteral(", DV1 INTEGER, DV2 INTEGER, DV3 INTEGER, DV4 INTEGER, DV4TYP VARCHAR(64),"
                         " DVYMD VARCHAR(20), CAUTION VARCHAR(512), JYUKG VARCHAR(16), JYUNO SMALLINT,"
                         " LBLSTDT VARCHAR(20), INDT VARCHAR(20), OUTDT VARCHAR(20), OWNCMP VARCHAR(100),"
                         " OWNPRE VARCHAR(50), ")
        + kikaiChecks() + QStringLiteral(", ") + series(QStringLiteral("CHKCMT%1 VARCHAR(64)"), 1, 4)
        + QStringLiteral(", CHKYMD1 VARCHAR(20), CHKER1 VARCHAR(50), CHKYMD2 VARCHAR(20), CHKER2 VARCHAR(50),"
                         " BARCDNO VARCHAR(16), ")
        + housekeeping(5, 5) + QStringLiteral(")");
}

QString kouguChecks()
{
    QStringList columns;
    for (int item : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14, 15, 16, 17, 18, 21, 22, 23, 24, 25, 26})
        columns << QStringLiteral("CHK%1 VARCHAR(10)").arg(item, 2, 10, QLatin1Char('0'));
    return columns.join(QStringLiteral(", ")) + QStringLiteral(", ")
        + series(QStringLiteral("CHK11_%1 VARCHAR(16)"), 1, 10) + QStringLiteral(", ")
        + series(QStringLiteral("CHKNM%1 VARCHAR(64)"), 21, 26);
}

QString kougu()
{
    QStringList tools;
    for (int n = 1; n <= 10; ++n) {
        tools << QStringLiteral("KKNM%1 VARCHAR(100), SPEC%1 VARCHAR(100), SENO%1 VARCHAR(100),"
                                " KNRNO%1 VARCHAR(32), STDT%1 VARCHAR(20), FNDT%1 VARCHAR(20),"
                                " CHKRNM%1 VARCHAR(50), USERNM%1 VARCHAR(50)")
                     .arg(n);
    }
    return QStringLiteral("create table KOUGU (KJCD SMALLINT not null, GYOCD SMALLINT not null, KGCD INTEGER not null,"
                          " JYUNO SMALLINT, CMP1NM VARCHAR(100), HNDOWCMPNM VARCHAR(100), HNDUNUM SMALLINT,"
                          " HNDPRE VARCHAR(50), HNDTEL VARCHAR(30), USECMPNM VARCHAR(100), USEPRE VARCHAR(50), ")
        + tools.join(QStringLiteral(", ")) + QStringLiteral(", CHKYMD VARCHAR(20), ") + kouguChecks()
        + QStringLiteral(", CAUTION VARCHAR(512), LBLSTDT VARCHAR(20), LBLFNDT VARCHAR(20), ") + housekeeping(5, 5)
        + QStringLiteral(")");
}

QString dezura()
{
    return QStringLiteral("create table DEZURA (KJCD SMALLINT not null, GYOCD SMALLINT not null,"
                          " WKDT VARCHAR(20) not null, INCD SMALLINT not null, CPNM VARCHAR(100), NAME VARCHAR(50),"
                          " FURI VARCHAR(100), BNDT VARCHAR(20), PRESL SMALLINT, PRESU SMALLINT, KAO VARCHAR(40),"
                          " ZUTU VARCHAR(40), HIRO VARCHAR(40), SHOKU VARCHAR(40), ANY1 VARCHAR(40), ANY2 VARCHAR(40),"
                          " INTM VARCHAR(10), OUTTM VARCHAR(10), SALUNT INTEGER, SALOPT INTEGER, SALDAY INTEGER,"
                          " WORKH NUMERIC(9,2), WORKH2 NUMERIC(9,2), WORKH3 NUMERIC(9,2), ")
        + housekeeping(2, 4) + QStringLiteral(")");
}

QString dCarry()
{
    return QStringLiteral("create table D_CARRY (KJCD SMALLINT not null, GYOCD SMALLINT not null,"
                          " WKDT VARCHAR(20) not null, CRCD INTEGER not null, JYUNO SMALLINT, USECMPNM VARCHAR(100),"
                          " CATTYP VARCHAR(100), CARNO VARCHAR(100), OPNM VARCHAR(50), LICFN VARCHAR(20),"
                          " DV1FN VARCHAR(20), DV2FN VARCHAR(20), BARCODE VARCHAR(32), ")
        + housekeeping(5, 5) + QStringLiteral(")");
}

// A machine's record on one working day, shaped like the vehicle's: the machine, who uses
// and operates it and until when its inspections hold.
QString dKikai()
{
    return QStringLiteral("create table D_KIKAI (KJCD SMALLINT not null, GYOCD SMALLINT not null,"
                          " WKDT VARCHAR(20) not null, MCCD INTEGER not null, JYUNO SMALLINT, USECMPNM VARCHAR(100),"
                          " KKNM VARCHAR(100), KKMK VARCHAR(100), KNRNO VARCHAR(32), DRV1 VARCHAR(50),"
                          " TES1YMD VARCHAR(20), TES2YMD VARCHAR(20), DVYMD VARCHAR(20), BARCODE VARCHAR(32), ")
        + housekeeping(5, 5) + QStringLiteral(")");
}

QString nmcard()
{
    return QStringLiteral(
        "create table NMCARD (KSNO INTEGER not null, KJCD SMALLINT, GYOCD SMALLINT, KJNM VARCHAR(200),"
        " KJNY VARCHAR(200), STDT VARCHAR(20), FNDT VARCHAR(20), CPNM VARCHAR(100), NAME VARCHAR(50),"
        " KSTYP VARCHAR(40), SDFL DM_FILE, SEL SMALLINT, YOBIN INTEGER, YOBIS VARCHAR(512))");
}

QString imgfl()
{
    return QStringLiteral(
        "create table IMGFL (IMCD INTEGER not null, FLNM VARCHAR(64), FLTYP SMALLINT, IMG BLOB SUB_TYPE 0)");
}

const QStringList keys = {
    QStringLiteral("alter table KOJI add constraint PK_KOJI primary key (KJCD, APDT)"),
    QStringLiteral("alter table GYOSYA add constraint PK_GYOSYA primary key (KJCD, GYOCD, APDT)"),
    QStringLiteral("alter table TAISEI add constraint PK_TAISEI primary key (KJCD, GYOCD)"),
    QLatin1String(ParentIndexStatement),
    QStringLiteral("alter table TAIKEI add constraint PK_TAIKEI primary key (KJCD, APDT, GYOCD)"),
    QStringLiteral("alter table SAGYOIN add constraint PK_SAGYOIN primary key (KJCD, GYOCD, INCD)"),
    QStringLiteral("create index IDXINDT on SAGYOIN (KJCD, GYOCD, ODRNO)"),
    QStringLiteral("alter table INSIKAKU add constraint PK_INSIKAKU primary key (INNO)"),
    QStringLiteral("create index IDX_INSIKAKU on INSIKAKU (KJCD, GYOCD, INCD)"),
    QStringLiteral("alter table SHOKU add constraint PK_SHOKU primary key (SHCD)"),
    QStringLiteral("alter table EDUC add constraint PK_EDUC primary key (EDCD)"),
    QStringLiteral("create index IDX_EDUC on EDUC (KBN, ODRNO)"),
    QStringLiteral("alter table KIKAI add constraint PK_KIKAI primary key (KJCD, GYOCD, MCCD)"),
    QStringLiteral("alter table KOUGU add constraint PK_KOUGU primary key (KJCD, GYOCD, KGCD)"),
    QStringLiteral("alter table DEZURA add constraint PK_DEZURA primary key (KJCD, GYOCD, WKDT, INCD)"),
    QStringLiteral("alter table D_CARRY add constraint PK_D_CARRY primary key (KJCD, GYOCD, WKDT, CRCD)"),
    QStringLiteral("alter table D_KIKAI add constraint PK_D_KIKAI primary key (KJCD, GYOCD, WKDT, MCCD)"),
    QStringLiteral("alter table NMCARD add constraint PK_NMCARD primary key (KSNO)"),
    QStringLiteral("alter table IMGFL add constraint PK_IMGFL primary key (IMCD)"),
    QStringLiteral("create index IDX_IMGFL_FLNM on IMGFL (FLNM)"),
};

// The database numbers these rows itself, whatever key the program or a package brings,
// so rows copied from another database never collide with ours.
QStringList assignedKey(const QString &table, const QString &column, const QString &generator)
{
    return {
        QStringLiteral("create generator %1").arg(generator),
        QStringLiteral("create trigger %1_BI for %1 active before insert position 0 as"
                       " begin new.%2 = gen_id(%3, 1); end")
            .arg(table, column, generator),
    };
}

}  // namespace

const QStringList &KikaiCheckColumns()
{
    static const QStringList columns = [] {
        struct Section
        {
            char letter;
            int items;
        };
        const Section sections[] = {{'A', 17}, {'B', 14}, {'C', 5}, {'D', 10}, {'E', 10}, {'F', 7}, {'G', 5}, {'H', 4}};
        QStringList names;
        for (const Section &section : sections) {
            for (int i = 1; i <= section.items; ++i) {
                names << QStringLiteral("CHK%1_%2A").arg(QLatin1Char(section.letter)).arg(i);
                names << QStringLiteral("CHK%1_%2B").arg(QLatin1Char(section.letter)).arg(i);
            }
        }
        return names;
    }();
    return columns;
}

QStringList SchemaStatements(SchemaVersion version)
{
    if (version == SchemaVersion::Unknown)
        return {};
    QStringList statements = domains;
    statements << koji() << gyosya() << taisei() << taikei() << sagyoin() << insikaku() << shoku() << educ() << kikai()
               << kougu() << dezura() << dCarry() << dKikai() << nmcard() << imgfl();
    statements << keys;
    if (version != SchemaVersion::V0_4) {
        statements << carry();
        statements << QStringLiteral("alter table CARRY add constraint PK_CARRY primary key (KJCD, GYOCD, CRCD)");
    }
    statements << assignedKey(QStringLiteral("SHOKU"), QStringLiteral("SHCD"), QStringLiteral("GEN_SHCD"))
               << assignedKey(QStringLiteral("EDUC"), QStringLiteral("EDCD"), QStringLiteral("GEN_EDCD"))
               << assignedKey(QStringLiteral("INSIKAKU"), QStringLiteral("INNO"), QStringLiteral("GEN_INNO"))
               << assignedKey(QStringLiteral("IMGFL"), QStringLiteral("IMCD"), QStringLiteral("gen_imcd"));
    if (version == SchemaVersion::V0_5)
        statements << GyosyaUpgradeStatements();
    return statements;
}
