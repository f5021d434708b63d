-- One document of each printed kind for the sample templates, on top of the
-- demo data. Statements separated by lines holding only "/".
INSERT INTO FrRCHD (Id, RcNo, RcDate, FrCustomer, Remark, RcAmount, Currency, RcExchange, RcBahtAmount, RcCharge,
                    RcBankTotal, CompanyBank)
VALUES (801, 'RC26-0000001', '2026-03-15 00:00:00', 1, 'รับชำระค่าสินค้าตามใบกำกับ', 1300, 1, 35.125, 45662.5, 162.5,
        45500, 2)
/
INSERT INTO FrRcDt (RecNo, FrRcHD, RcDoctype, RcDocId, Description, RcDocTotal, RcDocAmount) VALUES
    (1, 801, 'I', 1, '', 1000, 1000),
    (2, 801, 'P', 1, '', 300, 300)
/
INSERT INTO FrPDHD (Id, PDNo, PDDate, FrVendor, Remark, PDAmount, Currency, PDExchange, PDBahtAmount, PDCharge,
                    PDBankTotal, CompanyBank)
VALUES (802, 'PD26-0000001', '2026-03-18 00:00:00', 2, 'จ่ายชำระค่าอะไหล่', 4200, 2, 37.9, 159180, 350, 159530, 1)
/
INSERT INTO FrPDDT (RecNo, FrPDHD, PDDoctype, PDDocId, Description, PDDocTotal, PDDocAmount) VALUES
    (1, 802, 'M', 2, '', 4200, 4200)
/
INSERT INTO FrMiscPdHd (Id, PdNo, PdDate, Department, CashAmount, ChqAmount, BankAmount, CompanyBank, Reference, Remark,
                        Total, Expense, ExpenseAmount, SubType)
VALUES (803, 'MP26-0000001', '2026-03-20 00:00:00', 22, 0, 0, 26597, 1, 'IM26-0000001', 'ค่าใช้จ่ายนำเข้าเครื่องจักร',
        26597, 0, 0, 'EI')
/
INSERT INTO FrMiscPdDt (FrMiscPdHd, RecNo, PdDocType, PdDocId, DocAmount, PaidAmount, PdDate, UseTax, TaxNo, TaxDate,
                        Amount, TaxAmount) VALUES
    (803, 1, 'E', 1, 18500, 18500, '2026-03-20 00:00:00', 'Y', 'IV-88871', '2026-03-19 00:00:00', 18500, 1295),
    (803, 2, 'E', 2, 8500, 8500, '2026-03-20 00:00:00', 'N', '', NULL, 0, 0),
    (803, 3, 'T', 1, -185, -185, '2026-03-20 00:00:00', 'N', '', NULL, 0, 0),
    (803, 4, 'T', 3, -213, -213, '2026-03-20 00:00:00', 'N', '', NULL, 0, 0)
/
INSERT INTO HoldingTAX (Id, Code, WHTAXDate, Name, Address, TaxNO, OName, OAddress, OTaxNO, VName, VAddress, VTaxNO,
                        OrderId, OrderValue1, OrderValue2, OrderValue3, OrderValue4, OrderValue5, OrderValue6,
                        OrderValue7, Pay1, Pay2, Pay3, Pay4, PayDetail, SocialSecurity, SaveMoney,
                        Section40_2a, Section40_2b, Section40_2c, Section40_4b1aa, Section40_4b1ab, Section40_4b1ac,
                        Section40_4b1ad, Section40_6a, Section40_6b, Section40_6c, Section40_6d, Total, HoldingTotal)
VALUES (804, 'MP26-0000001', '2026-03-20 00:00:00', 'บริษัท เดโม่ เทรดดิ้ง จำกัด',
        '99/9 อาคารเดโม่ทาวเวอร์ ชั้น 12 ถนนสีลม แขวงสุริยวงศ์ เขตบางรัก กรุงเทพมหานคร 10500', '0105551234567',
        '', '', '', 'บริษัท โกลบอล ชิปปิ้ง (ประเทศไทย) จำกัด', '55 ถนนเจริญกรุง แขวงบางรัก เขตบางรัก กรุงเทพมหานคร 10500',
        '0105559876543', '12', '', '', '', '', '', '', 'Y', 'Y', '', '', '', '', 0, 0,
        '2026-03-20 00:00:00', 8500, 255, '', NULL, 0, 0, 'ค่าขนส่ง', '2026-03-20 00:00:00', 18500, 185, 27000,
        440)
