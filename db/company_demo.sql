-- Demo rows of the company database. Parameters: ThisYear (the current year).
-- Ids are given explicitly so that rows can refer to each other; see
-- docs/demo-data.md for what the demo holds.
INSERT INTO Config (Id, RunYear, LastIvRunMonth, LastRcptRunMonth, AutoRunDocMonth, AutoGenGL, LockInputProject,
                    ShowLastSearch, OnhandDecimal, UnitLeft, UnitRight)
VALUES (1, :ThisYear, 'N', 'N', 'N', 'Y', 'N', 'Y', 2, '(', ')')
/
INSERT INTO Misc (Id, GroupCode, Code, Description, AutoRunDocMonth) VALUES
    (1, 'CURRENCY', 'USD', 'ดอลลาร์สหรัฐ', 'N'),
    (2, 'CURRENCY', 'EUR', 'ยูโร', 'N'),
    (3, 'CURRENCY', 'JPY', 'เยน', 'N'),
    (4, 'CURRENCY', 'GBP', 'ปอนด์สเตอร์ลิง', 'N'),
    (5, 'CURRENCY', 'CNY', 'หยวน', 'N'),
    (6, 'CURRENCY', 'THB', 'บาท', 'N'),
    (11, 'CITY', 'BKK', 'กรุงเทพมหานคร', 'N'),
    (12, 'CITY', 'NBI', 'นนทบุรี', 'N'),
    (13, 'CITY', 'CBI', 'ชลบุรี', 'N'),
    (14, 'CITY', 'CMI', 'เชียงใหม่', 'N'),
    (21, 'DEPARTMENT', 'ACC', 'แผนกบัญชี', 'N'),
    (22, 'DEPARTMENT', 'IMP', 'แผนกนำเข้า', 'N'),
    (23, 'DEPARTMENT', 'EXP', 'แผนกส่งออก', 'N'),
    (24, 'DEPARTMENT', 'ADM', 'แผนกธุรการ', 'N'),
    (31, 'SubType', 'EI', 'งานติดตั้ง', 'N'),
    (32, 'SubType', 'EJ', 'งานโครงการ', 'Y'),
    (33, 'SubType', 'EP', 'งานอะไหล่', 'N'),
    (34, 'SubType', 'MC', 'บริการแบบมีสัญญา', 'N'),
    (35, 'SubType', 'MI', 'บริการติดตั้ง', 'N'),
    (36, 'SubType', 'MS', 'บริการแบบไม่มีสัญญา', 'N'),
    (37, 'SubType', 'MW', 'บริการอยู่ในประกันซ่อมซ้ำ', 'N'),
    (38, 'SubType', 'RW', 'บริการเดิม', 'N'),
    (39, 'SubType', 'SF', 'ดูหน้างาน', 'N'),
    (40, 'SubType', 'SR', 'ซ่อมด่วน', 'N'),
    (41, 'TRANSPORT', 'TRUCK', 'รถบรรทุก', 'N'),
    (42, 'TRANSPORT', 'SEA', 'ทางเรือ', 'N'),
    (45, 'PRICETYPE', 'P1', 'ราคาขายปกติ', 'N'),
    (46, 'PRICETYPE', 'P2', 'ราคาขายส่ง', 'N'),
    (51, 'BANK', 'BBL', 'ธนาคารกรุงเทพ', 'N'),
    (52, 'BANK', 'KBANK', 'ธนาคารกสิกรไทย', 'N'),
    (53, 'BANK', 'SCB', 'ธนาคารไทยพาณิชย์', 'N'),
    (61, 'REM_FINPD', 'R01', 'ค่าขนส่งสินค้านำเข้า', 'N'),
    (62, 'REM_FINPD', 'R02', 'ค่าพิธีการศุลกากร', 'N'),
    (63, 'REM_FINPD', 'R03', 'ค่าธรรมเนียมธนาคารต่างประเทศ', 'N'),
    (71, 'COUNTRY', 'US', 'สหรัฐอเมริกา', 'N'),
    (72, 'COUNTRY', 'DE', 'เยอรมนี', 'N'),
    (73, 'COUNTRY', 'JP', 'ญี่ปุ่น', 'N'),
    (74, 'COUNTRY', 'CN', 'จีน', 'N'),
    (75, 'COUNTRY', 'GB', 'สหราชอาณาจักร', 'N'),
    (81, 'JOBSTATUS', 'OPEN', 'เปิดงาน', 'N'),
    (82, 'JOBSTATUS', 'DONE', 'ปิดงาน', 'N')
/
INSERT INTO Tax (Id, Code, Description, Rate) VALUES
    (1, 'V7', 'ภาษีมูลค่าเพิ่ม 7%', 7),
    (2, 'V0', 'ภาษีมูลค่าเพิ่ม 0%', 0),
    (3, 'NV', 'ไม่มีภาษีมูลค่าเพิ่ม', 0)
/
INSERT INTO WithHoldingTax (Id, Code, Description, Rate, RcPd, AccountCode) VALUES
    (1, 'W1', 'ค่าขนส่ง 1%', 1, 'P', ''),
    (2, 'W2', 'ค่าโฆษณา 2%', 2, 'P', ''),
    (3, 'W3', 'ค่าบริการ 3%', 3, 'P', ''),
    (4, 'W5', 'ค่าเช่า 5%', 5, 'P', ''),
    (5, 'W15', 'ค่าบริการต่างประเทศ 15%', 15, 'P', '2141'),
    (6, 'R3', 'ภาษีถูกหัก ณ ที่จ่าย 3%', 3, 'R', '')
/
INSERT INTO Expense (Id, Code, Description, Blocked, AccountCode) VALUES
    (1, 'FRT', 'ค่าขนส่งระหว่างประเทศ', 'N', '5110'),
    (2, 'CUS', 'ค่าพิธีการศุลกากร', 'N', '5111'),
    (3, 'INS', 'ค่าประกันภัยสินค้า', 'N', ''),
    (4, 'BNK', 'ค่าธรรมเนียมธนาคาร', 'N', '5120'),
    (5, 'ACR', 'ค่าใช้จ่ายนำเข้าค้างจ่าย', 'N', '2150'),
    (6, 'OLD', 'ค่าใช้จ่ายเลิกใช้', 'Y', '')
/
INSERT INTO Salesman (Id, Code, Name, Surname, Department, Status, StartDate, Address1, Province, ZipCode, PhoneNo, Email)
VALUES
    (1, 'S01', 'สมชาย', 'ใจดี', 23, 'Y', printf('%04d-01-01 00:00:00', :ThisYear - 3), '12 ซอยสีลม 3', 11, '10500', '081-111-1111', 'somchai@demo-trading.example'),
    (2, 'S02', 'สมหญิง', 'ขยันยิ่ง', 23, 'N', printf('%04d-01-01 00:00:00', :ThisYear - 5), '45 ถนนงามวงศ์วาน', 12, '11000', '081-222-2222', '')
/
INSERT INTO Vendor (Id, Code, Name, Blocked, HeadCode, TaxNumber, ThaiIdNo, TaxCode, DueDays, CreditLimit, OpenAccount,
                    DirectVendor, Remark, PhoneNo, FaxNo, Address1, Address2, Address3, Province, ZipCode) VALUES
    (1, 'V001', 'บริษัท ขนส่งไทย จำกัด', 'N', 'V001', '0105540000011', '', 1, 30, 500000, 'Y', 'N', 'ขนส่งสินค้านำเข้า', '02-222-0001', '02-222-0002', '1 ถนนพระราม 4', 'แขวงคลองเตย', 'เขตคลองเตย', 11, '10110'),
    (2, 'V002', 'บริษัท ชิปปิ้ง เอ็กซ์เพรส จำกัด', 'N', 'V002', '0205550000022', '', 1, 15, 200000, 'Y', 'N', 'ตัวแทนออกของ', '038-111-222', '', '8 ถนนสุขุมวิท', 'ตำบลบางปลาสร้อย', 'อำเภอเมือง', 13, '20000'),
    (3, 'V003', 'ห้างหุ้นส่วน เลิกกิจการ', 'Y', 'V003', '0103530000033', '', 1, 0, 0, 'N', 'N', 'ระงับการใช้งาน', '', '', '3 ถนนเจริญกรุง', '', '', 11, '10100'),
    (4, 'V004', 'นายประเสริฐ รับจ้างดี', 'N', 'V004', '', '3100500123456', 3, 0, 0, 'N', 'N', 'ผู้รับจ้างบุคคลธรรมดา', '089-999-0000', '', '77 หมู่ 2', 'ตำบลสันทราย', 'อำเภอสันทราย', 14, '50210')
/
INSERT INTO VendorContact (Vendor, Name) VALUES
    (1, 'คุณวิชัย ขนส่ง'), (2, 'คุณมาลี ชิปปิ้ง')
/
INSERT INTO VenAttrGroup (Id, Code, Description) VALUES (1, 'TYP', 'ประเภทผู้ขาย'), (2, 'GRD', 'ระดับผู้ขาย')
/
INSERT INTO VenAttrCode (Id, VenAttrGroup, Code, Description) VALUES
    (1, 1, 'TR', 'ขนส่ง'), (2, 1, 'CS', 'ชิปปิ้ง'), (3, 1, 'SV', 'บริการ'), (4, 2, 'A', 'เกรด A'), (5, 2, 'B', 'เกรด B')
/
INSERT INTO VendorAttribute (Vendor, GroupCode) VALUES (1, 'TYPTR'), (1, 'GRDA'), (2, 'TYPCS'), (4, 'TYPSV'), (4, 'GRDB')
/
INSERT INTO Customer (Id, Code, Name, NameEng, Blocked, HeadCode, TaxNumber, TaxCode, Address1, Address2, Address3,
                      Province, ZipCode, PhoneNo, FaxNo, OpenAccount, DueDays, CreditLimit, Transport, PriceLevel,
                      DirectCus, LocalCustomer, DropCredit, Salesman) VALUES
    (1, 'C001', 'บริษัท ค้าปลีกไทย จำกัด', 'Thai Retail Co., Ltd.', 'N', 'C001', '0105560000101', 1, '100 ถนนรัชดาภิเษก', 'แขวงดินแดง', 'เขตดินแดง', 11, '10400', '02-333-0001', '', 'Y', 30, 1000000, 41, 45, 'N', 'Y', 'N', 1),
    (2, 'C002', 'ร้านเชียงใหม่พาณิชย์', 'Chiang Mai Trading', 'N', 'C002', '0505550000202', 1, '5 ถนนนิมมานเหมินท์', 'ตำบลสุเทพ', 'อำเภอเมือง', 14, '50200', '053-111-222', '', 'Y', 15, 300000, 41, 46, 'N', 'Y', 'N', 1),
    (3, 'C003', 'บริษัท ระงับ จำกัด', 'Suspended Co., Ltd.', 'Y', 'C003', '0105540000303', 1, '9 ถนนเพชรบุรี', '', '', 11, '10400', '', '', 'N', 0, 0, 41, 45, 'N', 'Y', 'N', 2),
    (4, 'C004', 'บริษัท ปิดบัญชี จำกัด', 'Closed Account Co., Ltd.', 'Z', 'C004', '0105540000404', 1, '10 ถนนสาทร', '', '', 11, '10120', '', '', 'N', 0, 0, 41, 45, 'N', 'Y', 'N', 2)
/
INSERT INTO CusAttrGroup (Id, Code, Description) VALUES (1, 'REG', 'ภาค')
/
INSERT INTO CusAttrCode (Id, CusAttrGroup, Code, Description) VALUES (1, 1, 'C', 'ภาคกลาง'), (2, 1, 'N', 'ภาคเหนือ')
/
INSERT INTO CustomerAttribute (Customer, GroupCode) VALUES (1, 'REGC'), (2, 'REGN')
/
INSERT INTO VendorGroup (Id, Code, Description, TaxCode) VALUES
    (1, 'FR-IMP', 'ผู้ขายสินค้าต่างประเทศ', 1),
    (2, 'FR-SVC', 'ผู้ให้บริการต่างประเทศ', 2)
/
INSERT INTO FrCustomer (Id, Code, Name, Address1, Address2, Country, Currency, Blocked) VALUES
    (1, 'FC001', 'Pacific Trading Inc.', '200 Market Street', 'San Francisco, CA 94105', 71, 1, 'N'),
    (2, 'FC002', 'Rhein Handels GmbH', 'Hafenstrasse 12', '50667 Koeln', 72, 2, 'N'),
    (3, 'FC003', 'Sakura Foods Co., Ltd.', '3-1 Marunouchi', 'Chiyoda-ku, Tokyo', 73, 3, 'N'),
    (4, 'FC004', 'Dormant Imports Ltd.', '1 Old Road', 'London', 75, 4, 'Y')
/
INSERT INTO FrVendor (Id, Code, Name, Address1, Address2, Country, Currency, VendorGroup, DueDays, OpenAccount, CreditLimit, Blocked) VALUES
    (1, 'FV001', 'Osaka Machinery Co., Ltd.', '5-2 Umeda', 'Kita-ku, Osaka', 73, 3, 1, 60, 'Y', 50000000, 'N'),
    (2, 'FV002', 'Hamburg Parts GmbH', 'Speicherstadt 4', '20457 Hamburg', 72, 2, 1, 30, 'Y', 200000, 'N'),
    (3, 'FV003', 'Global Freight LLC', '1 Harbor Way', 'Long Beach, CA', 71, 1, 2, 15, 'N', 0, 'N')
/
INSERT INTO CompanyBank (Id, BankCode, BankName, AccountNo, Blocked, AccountCode) VALUES
    (1, 'BBL-01', 'ธนาคารกรุงเทพ สาขาสีลม', '101-3-45678-9', 'N', '1112'),
    (2, 'KB-USD', 'ธนาคารกสิกรไทย บัญชีเงินฝากเงินตราต่างประเทศ', '202-9-00123-4', 'N', '1113'),
    (3, 'SCB-OLD', 'ธนาคารไทยพาณิชย์ (ปิดบัญชีแล้ว)', '303-1-11111-1', 'Y', '')
/
INSERT INTO Employee (Id, Code, Name, Status) VALUES
    (1, 'E001', 'นายสมศักดิ์ รักงาน', 'Y'),
    (2, 'E002', 'นางสาวสุดา ตั้งใจ', 'Y'),
    (3, 'E003', 'นายลาออก ไปแล้ว', 'N')
/
INSERT INTO Project (Id, Code, Description, Blocked, Closed) VALUES
    (1, 'P001', 'โครงการนำเข้าเครื่องจักร', 'N', 'N'),
    (2, 'P002', 'โครงการส่งออกอาหาร', 'N', 'Y'),
    (3, 'P003', 'โครงการระงับ', 'Y', 'N')
/
INSERT INTO PrettyCash (Id, Code, Description, AccountCode) VALUES
    (1, 'PC01', 'เงินสดย่อย สำนักงานใหญ่', '1101'),
    (2, 'PC02', 'เงินสดย่อย คลังสินค้า', '')
/
INSERT INTO ImportLotNo (Id, Code, Description, Active) VALUES
    (1, printf('LOT%02d-001', :ThisYear % 100), 'เครื่องจักรจากญี่ปุ่น', 'Y'),
    (2, printf('LOT%02d-002', :ThisYear % 100), 'อะไหล่จากเยอรมนี', 'Y'),
    (3, printf('LOT%02d-001', (:ThisYear - 1) % 100), 'ล็อตปีก่อน (ปิดแล้ว)', 'N')
/
INSERT INTO Warehouse (Id, Code, Description) VALUES (1, 'WH1', 'คลังสินค้าหลัก'), (2, 'WH2', 'คลังอะไหล่')
/
INSERT INTO Product (Id, Code, ThaiName, EngName) VALUES
    (1, 'PD-001', 'น้ำมันหล่อลื่น', 'Lubricant'),
    (2, 'PD-002', 'เครื่องบรรจุกล่อง', 'Packing machine')
/
INSERT INTO ProductUnits (Id, Product, UnitName, Fraction, SmallUnitFlag, StockUnitFlag, PurcFlag, SaleFlag, BarCode) VALUES
    (1, 1, 'PCS', 1, 'Y', 'N', 'N', 'Y', '8850000000011'),
    (2, 1, 'BOX', 12, 'N', 'Y', 'Y', 'Y', '8850000000028'),
    (3, 2, 'SET', 1, 'Y', 'Y', 'Y', 'Y', '8850000000035')
/
INSERT INTO Model (Id, Code, Description) VALUES (1, 'M-100', 'รุ่นมาตรฐาน')
/
INSERT INTO BomHd (Id, BomNo, Product, Model, Description) VALUES (1, 'BOM-001', 2, 1, 'สูตรประกอบเครื่องบรรจุกล่อง')
/
INSERT INTO WorkOrderHd (Id, WorkOrderNo, WorkOrderDate, BomHd, Model, Product, ProductUnits, Customer, Warehouse,
                         Quantity, Approved, Clear, DelFlag, Remark) VALUES
    (1, printf('WO%02d-00001', :ThisYear % 100), printf('%04d-02-01 00:00:00', :ThisYear), 1, 1, 2, 3, 1, 1, 2, 'Y', 'N', 'N', 'ผลิตตามคำสั่งลูกค้า')
/
INSERT INTO SoHd (Id, SoNo, SoDate, SoType, Customer, JobStatus, Remark, Approved, ApproveUser, ApproveDate, Total, DelFlag) VALUES
    (1, printf('SV%02d-00001', :ThisYear % 100), printf('%04d-03-01 00:00:00', :ThisYear), 'S', 1, 81, 'ติดตั้งเครื่องจักร', 'Y', 'ADMIN', printf('%04d-03-02 00:00:00', :ThisYear), 15000, 'N'),
    (2, printf('SV%02d-00002', :ThisYear % 100), printf('%04d-04-01 00:00:00', :ThisYear), 'S', 2, 82, 'ซ่อมด่วน', 'N', '', NULL, 3500, 'N')
/
INSERT INTO SoShip (SoHd, ShipDate, Quantity) VALUES (1, printf('%04d-03-05 00:00:00', :ThisYear), 1)
/
INSERT INTO PaidChq (Id, ChqNo, ChqDate, PaidNo, TransactionCode, Amount, CompanyBank) VALUES
    (1, '00012345', printf('%04d-01-20 00:00:00', :ThisYear), 'AP-DEMO-0001', 'A', 25000, 1)
/
INSERT INTO PdChqDepositHd (Id, DpNo, DpDate, CompanyBank, DelFlag) VALUES
    (1, printf('DP%02d-00001', :ThisYear % 100), printf('%04d-01-31 00:00:00', :ThisYear), 1, 'N')
/
INSERT INTO PdChqDepositDt (PdChqDepositHd, PaidChq) VALUES (1, 1)
/
INSERT INTO GLAccount (Code, Name) VALUES
    ('1101', 'เงินสดย่อย'),
    ('1110', 'เงินฝากธนาคาร'),
    ('1112', 'เงินฝากธนาคาร - กรุงเทพ สีลม'),
    ('1113', 'เงินฝากธนาคาร - กสิกรไทย FCD'),
    ('1130', 'ลูกหนี้การค้าต่างประเทศ'),
    ('1160', 'เงินมัดจำจ่ายล่วงหน้า - ต่างประเทศ'),
    ('1170', 'ภาษีซื้อ'),
    ('2110', 'เจ้าหนี้การค้าต่างประเทศ'),
    ('2120', 'เช็คจ่ายล่วงหน้า'),
    ('2130', 'เงินรับล่วงหน้า - ต่างประเทศ'),
    ('2140', 'ภาษีหัก ณ ที่จ่ายค้างจ่าย'),
    ('2141', 'ภาษีหัก ณ ที่จ่ายค้างจ่าย - ภ.ง.ด. 54'),
    ('2150', 'ค่าใช้จ่ายค้างจ่าย'),
    ('3900', 'ยอดยกมา'),
    ('4210', 'กำไร (ขาดทุน) จากอัตราแลกเปลี่ยน'),
    ('4220', 'ส่วนลดรับ'),
    ('4230', 'เงินรับเกิน'),
    ('5100', 'ค่าใช้จ่ายนำเข้า - ส่งออก'),
    ('5110', 'ค่าขนส่งระหว่างประเทศ'),
    ('5111', 'ค่าพิธีการศุลกากร'),
    ('5120', 'ค่าธรรมเนียมธนาคาร'),
    ('5130', 'ส่วนลดจ่าย'),
    ('5140', 'เงินจ่ายเกิน'),
    ('5190', 'ผลต่างจากการปัดเศษ')
/
INSERT INTO GLPostingAccount (DocCode, Role, AccountCode) VALUES
    ('FRPRERCPT', 'BANK', '1110'),
    ('FRPRERCPT', 'CHARGE', '5120'),
    ('FRPRERCPT', 'DEPOSIT', '2130'),
    ('FRPRERCPT', 'OPENING', '3900'),
    ('FRPREPAID', 'BANK', '1110'),
    ('FRPREPAID', 'CHARGE', '5120'),
    ('FRPREPAID', 'DEPOSIT', '1160'),
    ('FRPREPAID', 'OPENING', '3900'),
    ('FRRC', 'BANK', '1110'),
    ('FRRC', 'CHARGE', '5120'),
    ('FRRC', 'RECEIVABLE', '1130'),
    ('FRRC', 'DEPOSIT', '2130'),
    ('FRRC', 'DISCOUNT', '5130'),
    ('FRRC', 'OVER', '4230'),
    ('FRRC', 'EXCHANGE', '4210'),
    ('FRPD', 'BANK', '1110'),
    ('FRPD', 'CHARGE', '5120'),
    ('FRPD', 'PAYABLE', '2110'),
    ('FRPD', 'DEPOSIT', '1160'),
    ('FRPD', 'DISCOUNT', '4220'),
    ('FRPD', 'OVER', '5140'),
    ('FRPD', 'EXCHANGE', '4210'),
    ('FRMISCPAID', 'CASH', '1101'),
    ('FRMISCPAID', 'CHEQUE', '2120'),
    ('FRMISCPAID', 'BANK', '1110'),
    ('FRMISCPAID', 'ACCRUED', '2150'),
    ('FRMISCPAID', 'EXPENSE', '5100'),
    ('FRMISCPAID', 'WHT', '2140'),
    ('FRMISCPAID', 'INPUTVAT', '1170'),
    ('FRMISCPAID', 'DISCOUNT', '4220'),
    ('FRMISCPAID', 'OVER', '5140'),
    ('FRMISCPAID', 'ROUNDING', '5190')
/
-- Number series for this year and next: Prefix = stem + two-digit year + "-",
-- counter padded to 12 characters in all.
WITH Years(Y) AS (SELECT :ThisYear UNION ALL SELECT :ThisYear + 1),
Series(Code, Stem, Description, AutoRun, DocType) AS (VALUES
    ('FRPRERCPT', 'PR', 'รับเงินมัดจำ ต่างประเทศ', 'Y', 'R'),
    ('FRPREPAID', 'PP', 'จ่ายเงินมัดจำ ต่างประเทศ', 'Y', 'P'),
    ('FRRC', 'RC', 'รับชำระเงิน ต่างประเทศ', 'Y', 'R'),
    ('FRPD', 'PD', 'จ่ายชำระเงิน ต่างประเทศ', 'Y', 'P'),
    ('EXIV-T', 'EX', 'ใบกำกับสินค้าส่งออก', 'N', 'I'),
    ('FRSO-P', 'IM', 'ใบนำเข้าสินค้าจากต่างประเทศ', 'N', 'M'),
    ('HOLDINGTAX', 'WT', 'หนังสือรับรองการหักภาษี ณ ที่จ่าย', 'Y', 'T'),
    ('FRMISCPAID-EI', 'MEI', 'จ่ายเงินเบ็ดเตล็ด ต่างประเทศ - งานติดตั้ง', 'Y', 'B'),
    ('FRMISCPAID-EJ', 'MEJ', 'จ่ายเงินเบ็ดเตล็ด ต่างประเทศ - งานโครงการ', 'Y', 'B'),
    ('FRMISCPAID-EP', 'MEP', 'จ่ายเงินเบ็ดเตล็ด ต่างประเทศ - งานอะไหล่', 'Y', 'B'),
    ('FRMISCPAID-MS', 'MMS', 'จ่ายเงินเบ็ดเตล็ด ต่างประเทศ - บริการแบบไม่มีสัญญา (ป้อนเลขที่เอง)', 'N', 'B'),
    ('FRMISCPAID-SR', 'MSR', 'จ่ายเงินเบ็ดเตล็ด ต่างประเทศ - ซ่อมด่วน', 'Y', 'B'))
INSERT INTO DocumentNo (Code, DocYear, Description, Prefix, LastNo, DocumentLength, AutoRun, DocType)
SELECT S.Code, Y.Y, S.Description, S.Stem || printf('%02d', Y.Y % 100) || '-', 0, 12, S.AutoRun, S.DocType
FROM Series S CROSS JOIN Years Y
ORDER BY S.Code, Y.Y
/
-- Monthly series of sub type EJ (Misc.AutoRunDocMonth = Y): FRMISCPAID01-EJ ...
WITH RECURSIVE Years(Y) AS (SELECT :ThisYear UNION ALL SELECT :ThisYear + 1),
Months(M) AS (SELECT 1 UNION ALL SELECT M + 1 FROM Months WHERE M < 12)
INSERT INTO DocumentNo (Code, DocYear, Description, Prefix, LastNo, DocumentLength, AutoRun, DocType)
SELECT printf('FRMISCPAID%02d-EJ', M.M), Y.Y, printf('จ่ายเงินเบ็ดเตล็ด ต่างประเทศ - งานโครงการ เดือน %02d', M.M),
       printf('EJ%02d%02d-', Y.Y % 100, M.M), 0, 12, 'Y', 'B'
FROM Years Y CROSS JOIN Months M
ORDER BY Y.Y, M.M
/
-- Twelve monthly periods per year; December of last year is locked.
WITH Years(Y) AS (SELECT :ThisYear - 1 UNION ALL SELECT :ThisYear UNION ALL SELECT :ThisYear + 1)
INSERT INTO AccountPeriod (AccountYear, Start1, Stop1, Lock1, Start2, Stop2, Lock2, Start3, Stop3, Lock3, Start4, Stop4, Lock4, Start5, Stop5, Lock5, Start6, Stop6, Lock6, Start7, Stop7, Lock7, Start8, Stop8, Lock8, Start9, Stop9, Lock9, Start10, Stop10, Lock10, Start11, Stop11, Lock11, Start12, Stop12, Lock12)
SELECT Y, printf('%04d-01-01 00:00:00', Y),
       datetime(printf('%04d-01-01', Y), '+1 month', '-1 day'),
       'N',
       printf('%04d-02-01 00:00:00', Y),
       datetime(printf('%04d-02-01', Y), '+1 month', '-1 day'),
       'N',
       printf('%04d-03-01 00:00:00', Y),
       datetime(printf('%04d-03-01', Y), '+1 month', '-1 day'),
       'N',
       printf('%04d-04-01 00:00:00', Y),
       datetime(printf('%04d-04-01', Y), '+1 month', '-1 day'),
       'N',
       printf('%04d-05-01 00:00:00', Y),
       datetime(printf('%04d-05-01', Y), '+1 month', '-1 day'),
       'N',
       printf('%04d-06-01 00:00:00', Y),
       datetime(printf('%04d-06-01', Y), '+1 month', '-1 day'),
       'N',
       printf('%04d-07-01 00:00:00', Y),
       datetime(printf('%04d-07-01', Y), '+1 month', '-1 day'),
       'N',
       printf('%04d-08-01 00:00:00', Y),
       datetime(printf('%04d-08-01', Y), '+1 month', '-1 day'),
       'N',
       printf('%04d-09-01 00:00:00', Y),
       datetime(printf('%04d-09-01', Y), '+1 month', '-1 day'),
       'N',
       printf('%04d-10-01 00:00:00', Y),
       datetime(printf('%04d-10-01', Y), '+1 month', '-1 day'),
       'N',
       printf('%04d-11-01 00:00:00', Y),
       datetime(printf('%04d-11-01', Y), '+1 month', '-1 day'),
       'N',
       printf('%04d-12-01 00:00:00', Y),
       datetime(printf('%04d-12-01', Y), '+1 month', '-1 day'),
       CASE WHEN Y = :ThisYear - 1 THEN 'Y' ELSE 'N' END
FROM Years
/
INSERT INTO SystemForm (FormOrderNo, FormCode, FormDesc, FrfName, SpName, DocCode, DocParaName, ShowPrintPreview) VALUES
    (1, 'FRPRERCPT', 'ใบรับเงินมัดจำ ต่างประเทศ', 'FRPRERCPT.frf', '', 'FRPRERCPT', 'DocNo', 'Y'),
    (1, 'FRPREPAID', 'ใบจ่ายเงินมัดจำ ต่างประเทศ', 'FRPREPAID.frf', '', 'FRPREPAID', 'DocNo', 'Y'),
    (1, 'FRRC', 'ใบรับชำระเงิน ต่างประเทศ', 'FRRC.frf', 'SP_PrintSettlement', 'FRRC', 'DocNo', 'Y'),
    (1, 'FRPD', 'ใบจ่ายชำระเงิน ต่างประเทศ', 'FRPD.frf', 'SP_PrintSettlement', 'FRPD', 'DocNo', 'Y'),
    (1, 'FRMISCPAID', 'ใบสำคัญจ่ายเงินเบ็ดเตล็ด ต่างประเทศ', 'FRMISCPAID.frf', '', 'FRMISCPAID', 'DocNo', 'Y'),
    (1, 'HOLDINGTAX', 'หนังสือรับรองการหักภาษี ณ ที่จ่าย', 'HOLDINGTAX.frf', '', 'HOLDINGTAX', 'DocNo', 'Y')
/
INSERT INTO EXIVHD (Id, IvNo, IvDate, FrCustomer, Reference, Currency, ExRate, Total, DelFlag, BeginBalance) VALUES
    (1, printf('EX%02d-0000001', :ThisYear % 100), printf('%04d-01-10 00:00:00', :ThisYear), 1, 'PO-PT-7781', 1, 34.5, 1000, 'N', 'N'),
    (2, printf('EX%02d-0000002', :ThisYear % 100), printf('%04d-02-14 00:00:00', :ThisYear), 1, 'PO-PT-7802', 1, 35.0, 2500, 'N', 'N'),
    (3, printf('EX%02d-0000003', :ThisYear % 100), printf('%04d-03-03 00:00:00', :ThisYear), 2, 'BE-2231', 2, 38.2, 800, 'N', 'N'),
    (4, printf('EX%02d-0000004', :ThisYear % 100), printf('%04d-03-20 00:00:00', :ThisYear), 3, 'SK-009', 3, 0.2345, 150000, 'N', 'N'),
    (5, printf('EX%02d-0000005', :ThisYear % 100), printf('%04d-04-01 00:00:00', :ThisYear), 1, 'cancelled', 1, 35.0, 999, 'Y', 'N'),
    (6, printf('EX%02d-0009001', (:ThisYear - 1) % 100), printf('%04d-12-15 00:00:00', :ThisYear - 1), 1, 'brought forward', 1, 33.8, 1200, 'N', 'Y')
/
UPDATE DocumentNo SET LastNo = 4 WHERE Code = 'EXIV-T' AND DocYear = :ThisYear
/
INSERT INTO IMHD (Id, ImNo, ImDate, FrVendor, ImportLotNo, Reference, Currency, ExRate, Total, DelFlag, BeginBalance) VALUES
    (1, printf('IM%02d-0000001', :ThisYear % 100), printf('%04d-01-25 00:00:00', :ThisYear), 1, 1, 'INV-OSK-551', 3, 0.235, 2000000, 'N', 'N'),
    (2, printf('IM%02d-0000002', :ThisYear % 100), printf('%04d-02-18 00:00:00', :ThisYear), 2, 2, 'HP-10442', 2, 37.9, 4200, 'N', 'N'),
    (3, printf('IM%02d-0000003', :ThisYear % 100), printf('%04d-03-11 00:00:00', :ThisYear), 3, 1, 'GF-778', 1, 34.9, 650, 'N', 'N'),
    (4, printf('IM%02d-0009001', (:ThisYear - 1) % 100), printf('%04d-11-30 00:00:00', :ThisYear - 1), 2, 3, 'brought forward', 2, 37.1, 1500, 'N', 'Y')
/
UPDATE DocumentNo SET LastNo = 3 WHERE Code = 'FRSO-P' AND DocYear = :ThisYear
/
INSERT INTO FrPreRcpt (Id, PreNo, PreDate, FrCustomer, Remark, TaxCode, PreAmount, Currency, PreExchange, PreBahtAmount,
                       PreCharge, PreBankTotal, CompanyBank, Delflag, Printed, Clear, Transfer, RcPtAmount, BeginBalance) VALUES
    (1, printf('PR%02d-0000001', :ThisYear % 100), printf('%04d-01-05 00:00:00', :ThisYear), 1, 'มัดจำค่าสินค้า PO-PT-7781', 1, 300, 1, 34.25, 10275, 75, 10200, 2, 'N', 'N', 'N', 'N', 0, 'N'),
    (2, printf('PR%02d-0000002', :ThisYear % 100), printf('%04d-02-02 00:00:00', :ThisYear), 2, 'มัดจำค่าสินค้า BE-2231', 1, 200, 2, 38.1, 7620, 0, 7620, 1, 'N', 'N', 'N', 'N', 0, 'N'),
    (3, printf('PR%02d-0000003', :ThisYear % 100), printf('%04d-01-02 00:00:00', :ThisYear), 1, 'มัดจำยกมาจากระบบเดิม', -1, 500, 1, 33.9, 16950, 0, 0, -1, 'N', 'N', 'N', 'N', 0, 'Y')
/
UPDATE DocumentNo SET LastNo = 3 WHERE Code = 'FRPRERCPT' AND DocYear = :ThisYear
/
INSERT INTO FrPrePaid (Id, PreNo, PreDate, FrVendor, Remark, PreAmount, Currency, PreExchange, PreBahtAmount,
                       PreCharge, CompanyBank, Delflag, Printed, Clear, Transfer, PaidAmount, BeginBalance) VALUES
    (1, printf('PP%02d-0000001', :ThisYear % 100), printf('%04d-01-08 00:00:00', :ThisYear), 1, 'มัดจำค่าเครื่องจักร', 500000, 3, 0.2341, 117050, 350, 1, 'N', 'N', 'N', 'N', 0, 'N'),
    (2, printf('PP%02d-0000002', :ThisYear % 100), printf('%04d-01-02 00:00:00', :ThisYear), 2, 'มัดจำยกมาจากระบบเดิม', 1000, 2, 37.5, 37500, 0, -1, 'N', 'N', 'N', 'N', 0, 'Y')
/
UPDATE DocumentNo SET LastNo = 2 WHERE Code = 'FRPREPAID' AND DocYear = :ThisYear
