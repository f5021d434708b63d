-- Demo rows of the configuration database. Parameters: ThisYear (the current
-- year) and DatabaseName (the company database, normally DEMO).
INSERT INTO Company (Id, Code, Password, NameThai, NameEng, ShortName, Address1, Address2, Address3, Address4,
                     Province, Zip, Telephone, Fax, EMail, Logo, TaxNo, InstallDate, RunYear, LocalServer, FundName)
VALUES (1, 'DEMO', '', 'บริษัท เดโม่ เทรดดิ้ง จำกัด', 'Demo Trading Co., Ltd.', 'DEMO',
        '99/9 อาคารเดโม่ทาวเวอร์ ชั้น 12', 'ถนนสีลม', 'แขวงสุริยวงศ์ เขตบางรัก', 'กรุงเทพมหานคร',
        11, '10500', '02-123-4567', '02-123-4568', 'account@demo-trading.example', '', '0105551234567',
        printf('%04d-01-01 00:00:00', :ThisYear), :ThisYear, '', 'กองทุนสำรองเลี้ยงชีพ พนักงาน เดโม่')
/
INSERT INTO CompanyConfig (Id, Company, PicturePath, Public_Price_IE, DefaultWh, POS1_Wh, POS1_TaxCode, POS1_Price_IE,
                           POS1_PriceType, POS1_SumDetail, DefaultPosComPort, DefaultTax, DefaultPosMenuId)
VALUES (1, 1, '', 'E', 1, 1, 'V7', 'E', 1, 'N', 'COM1', 1, NULL)
/
INSERT INTO DatabaseList (Id, DatabaseName, Company, Description, YearNo)
VALUES (1, :DatabaseName, 1, 'ฐานข้อมูลตัวอย่าง', :ThisYear)
/
INSERT INTO Menu (Id, Command, MenuOption, Description, EngDescription, Version) VALUES
    (101, 'FRTRADE', 'FRPRERCPT', 'รับเงินมัดจำ ต่างประเทศ', 'Foreign Pre-Receipt', 3),
    (102, 'FRTRADE', 'BEGIN_PRERCPT', 'รับเงินมัดจำยกมา ต่างประเทศ', 'Foreign Pre-Receipt Brought Forward', 3),
    (103, 'FRTRADE', 'FRPREPAID', 'จ่ายเงินมัดจำ ต่างประเทศ', 'Foreign Pre-Payment', 3),
    (104, 'FRTRADE', 'BEGIN_PREPAID', 'จ่ายเงินมัดจำยกมา ต่างประเทศ', 'Foreign Pre-Payment Brought Forward', 3),
    (105, 'FRTRADE', 'FRRC', 'รับชำระเงิน ต่างประเทศ', 'Foreign Receipt', 3),
    (106, 'FRTRADE', 'FRPD', 'จ่ายชำระเงิน ต่างประเทศ', 'Foreign Payment', 3),
    (107, 'FRTRADE', 'FRMISCPAID', 'จ่ายเงินเบ็ดเตล็ด นำเข้า-ส่งออก', 'Foreign Miscellaneous Payment', 3)
/
INSERT INTO UserName (Id, Code, FullName, Password, LanguageNo, Salesman, EditSalePrice, Approve_Quo, Approve_SO,
                      Approve_IV, Approve_PO, Approved_PORQ, ApproveTranWH, ApproveTranBranch, ApproveWorkOrder,
                      CanSeeCost, CanSeeSalePrice, CanModifyCusSale, Approve_PreIs) VALUES
    (1, 'ADMIN', 'ผู้ดูแลระบบ', '', 1, 1, 'Y', 'Y', 'Y', 'Y', 'Y', 'Y', 'Y', 'Y', 'Y', 'Y', 'Y', 'Y', 'Y'),
    (2, 'VIEWER', 'ผู้ใช้งาน ดูข้อมูลอย่างเดียว', '', 1, 0, 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'Y', 'N', 'N'),
    (3, 'NOACCESS', 'ผู้ใช้งาน ไม่มีสิทธิ์', '', 1, 0, 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N'),
    (4, 'ENGLISH', 'English Speaking Clerk', '', 2, 0, 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'Y', 'N', 'N')
/
INSERT INTO UserMenuRight (UserName, Menu, Access_R, Add_R, Modify_R, Delete_R)
SELECT 1, Id, 'Y', 'Y', 'Y', 'Y' FROM Menu
/
INSERT INTO UserMenuRight (UserName, Menu, Access_R, Add_R, Modify_R, Delete_R)
SELECT 2, Id, 'Y', 'N', 'N', 'N' FROM Menu
/
INSERT INTO UserMenuRight (UserName, Menu, Access_R, Add_R, Modify_R, Delete_R)
SELECT 3, Id, 'N', 'N', 'N', 'N' FROM Menu
/
INSERT INTO UserMenuRight (UserName, Menu, Access_R, Add_R, Modify_R, Delete_R)
SELECT 4, Id, 'Y', 'Y', 'Y', 'N' FROM Menu
/
INSERT INTO SoftwareConfig (Id, SoftwareName, Version, SmtpServer, SupportEMail)
VALUES (1, 'Foreign Trade Finance', '1.0', 'localhost', 'support@demo-trading.example')
