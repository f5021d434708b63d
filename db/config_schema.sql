-- Configuration database (QLM_CONFIG): companies, company databases, users,
-- menu entries with the rights of each user, and the error log.
-- Statements are separated by lines holding only "/".
-- Text columns compare without regard to case, as the server of the suite does.

CREATE TABLE Company (
    Id INTEGER PRIMARY KEY AUTOINCREMENT,
    Code TEXT COLLATE NOCASE NOT NULL UNIQUE,
    Password TEXT COLLATE NOCASE,
    NameThai TEXT COLLATE NOCASE NOT NULL,
    NameEng TEXT COLLATE NOCASE,
    ShortName TEXT COLLATE NOCASE,
    Address1 TEXT COLLATE NOCASE,
    Address2 TEXT COLLATE NOCASE,
    Address3 TEXT COLLATE NOCASE,
    Address4 TEXT COLLATE NOCASE,
    -- Misc.Id (group CITY) of the company database
    Province INTEGER,
    Zip TEXT COLLATE NOCASE,
    Telephone TEXT COLLATE NOCASE,
    Fax TEXT COLLATE NOCASE,
    EMail TEXT COLLATE NOCASE,
    Logo TEXT COLLATE NOCASE,
    TaxNo TEXT COLLATE NOCASE,
    InstallDate DATETIME,
    RunYear INTEGER,
    LocalServer TEXT COLLATE NOCASE,
    FundName TEXT COLLATE NOCASE
)
/
CREATE TABLE CompanyConfig (
    Id INTEGER PRIMARY KEY AUTOINCREMENT,
    Company INTEGER NOT NULL UNIQUE REFERENCES Company(Id),
    PicturePath TEXT COLLATE NOCASE,
    Public_Price_IE TEXT COLLATE NOCASE,
    DefaultWh INTEGER,
    POS1_Wh INTEGER,
    POS1_TaxCode TEXT COLLATE NOCASE,
    POS1_Price_IE TEXT COLLATE NOCASE,
    POS1_PriceType INTEGER,
    POS1_SumDetail TEXT COLLATE NOCASE,
    DefaultPosComPort TEXT COLLATE NOCASE,
    DefaultTax INTEGER,
    DefaultPosMenuId INTEGER
)
/
CREATE TABLE DatabaseList (
    Id INTEGER PRIMARY KEY AUTOINCREMENT,
    DatabaseName TEXT COLLATE NOCASE NOT NULL UNIQUE,
    Company INTEGER NOT NULL REFERENCES Company(Id),
    Description TEXT COLLATE NOCASE,
    YearNo INTEGER
)
/
-- Menu entries of the launcher of the suite. Description is the Thai caption,
-- EngDescription the caption for users whose language is not Thai.
CREATE TABLE Menu (
    Id INTEGER PRIMARY KEY AUTOINCREMENT,
    Command TEXT COLLATE NOCASE,
    MenuOption TEXT COLLATE NOCASE,
    Description TEXT COLLATE NOCASE,
    EngDescription TEXT COLLATE NOCASE,
    Version INTEGER
)
/
CREATE TABLE UserName (
    Id INTEGER PRIMARY KEY AUTOINCREMENT,
    Code TEXT COLLATE NOCASE NOT NULL UNIQUE,
    FullName TEXT COLLATE NOCASE,
    Password TEXT COLLATE NOCASE,
    -- 1 = Thai, anything else = English
    LanguageNo INTEGER NOT NULL DEFAULT 1,
    -- Salesman.Id of the company database, 0 when the user is no salesperson
    Salesman INTEGER NOT NULL DEFAULT 0,
    EditSalePrice TEXT COLLATE NOCASE DEFAULT 'N',
    Approve_Quo TEXT COLLATE NOCASE DEFAULT 'N',
    Approve_SO TEXT COLLATE NOCASE DEFAULT 'N',
    Approve_IV TEXT COLLATE NOCASE DEFAULT 'N',
    Approve_PO TEXT COLLATE NOCASE DEFAULT 'N',
    Approved_PORQ TEXT COLLATE NOCASE DEFAULT 'N',
    ApproveTranWH TEXT COLLATE NOCASE DEFAULT 'N',
    ApproveTranBranch TEXT COLLATE NOCASE DEFAULT 'N',
    ApproveWorkOrder TEXT COLLATE NOCASE DEFAULT 'N',
    CanSeeCost TEXT COLLATE NOCASE DEFAULT 'N',
    CanSeeSalePrice TEXT COLLATE NOCASE DEFAULT 'N',
    CanModifyCusSale TEXT COLLATE NOCASE DEFAULT 'N',
    Approve_PreIs TEXT COLLATE NOCASE DEFAULT 'N'
)
/
-- Rights of a user on a menu entry; no row means no access.
CREATE TABLE UserMenuRight (
    Id INTEGER PRIMARY KEY AUTOINCREMENT,
    UserName INTEGER NOT NULL REFERENCES UserName(Id),
    Menu INTEGER NOT NULL REFERENCES Menu(Id),
    Access_R TEXT COLLATE NOCASE NOT NULL DEFAULT 'N',
    Add_R TEXT COLLATE NOCASE NOT NULL DEFAULT 'N',
    Modify_R TEXT COLLATE NOCASE NOT NULL DEFAULT 'N',
    Delete_R TEXT COLLATE NOCASE NOT NULL DEFAULT 'N',
    UNIQUE (UserName, Menu)
)
/
CREATE TABLE SoftwareConfig (
    Id INTEGER PRIMARY KEY AUTOINCREMENT,
    SoftwareName TEXT COLLATE NOCASE,
    Version TEXT COLLATE NOCASE,
    SmtpServer TEXT COLLATE NOCASE,
    SupportEMail TEXT COLLATE NOCASE
)
/
-- Written only through the procedure AddErrorLog. Menu and UserName are
-- not foreign keys: an error must be logged even for an unknown user.
CREATE TABLE ErrorLog (
    Id INTEGER PRIMARY KEY AUTOINCREMENT,
    Menu INTEGER,
    UserName INTEGER,
    ErrorDate DATETIME NOT NULL,
    ErrorMsg TEXT COLLATE NOCASE,
    CompName TEXT COLLATE NOCASE,
    LogName TEXT COLLATE NOCASE
)
/
CREATE INDEX ErrorLog_Date ON ErrorLog (ErrorDate)
