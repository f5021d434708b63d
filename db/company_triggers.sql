-- Settlement bookkeeping. The settled amount and the Clear flag of an export
-- invoice (EXIVHD.RcptAmount), an import document (IMHD.PaidAmount) and a
-- deposit (FrPreRcpt.RcPtAmount, FrPrePaid.PaidAmount) are derived from the
-- live settlement lines: lines of receipts and payments whose header is not
-- cancelled. The triggers below recompute them whenever a line is added,
-- changed or removed, a header is cancelled or restored, and whenever the
-- settled row itself is saved (a deposit save writes 0 and N; the truth is
-- put back at once). Deposit lines carry negative amounts (the open amount
-- of a deposit is -PreAmount - RcPtAmount), so a deposit is clear when
-- PreAmount + RcPtAmount reaches 0; an invoice or import document is clear
-- when its settled amount reaches its Total. Sums are rounded to 2 decimals.
-- The four kinds follow one rule; keep them alike when changing one.
CREATE TRIGGER FrRcDt_Settle_Insert AFTER INSERT ON FrRcDt
BEGIN
    UPDATE EXIVHD SET RcptAmount = (SELECT round(COALESCE(SUM(d.RcDocAmount), 0), 2) FROM FrRcDt d JOIN FrRCHD h ON h.Id = d.FrRcHD WHERE upper(d.RcDoctype) = 'I' AND d.RcDocId = EXIVHD.Id AND COALESCE(h.Delflag, 'N') <> 'Y')
        WHERE Id = NEW.RcDocId AND upper(NEW.RcDoctype) = 'I';
    UPDATE EXIVHD SET Clear = CASE WHEN RcptAmount <> 0 AND round(Total - RcptAmount, 2) <= 0 THEN 'Y' ELSE 'N' END
        WHERE Id = NEW.RcDocId AND upper(NEW.RcDoctype) = 'I';
    UPDATE FrPreRcpt SET RcPtAmount = (SELECT round(COALESCE(SUM(d.RcDocAmount), 0), 2) FROM FrRcDt d JOIN FrRCHD h ON h.Id = d.FrRcHD WHERE upper(d.RcDoctype) = 'P' AND d.RcDocId = FrPreRcpt.Id AND COALESCE(h.Delflag, 'N') <> 'Y')
        WHERE Id = NEW.RcDocId AND upper(NEW.RcDoctype) = 'P';
    UPDATE FrPreRcpt SET Clear = CASE WHEN RcPtAmount <> 0 AND round(PreAmount + RcPtAmount, 2) <= 0 THEN 'Y' ELSE 'N' END
        WHERE Id = NEW.RcDocId AND upper(NEW.RcDoctype) = 'P';
END
/
CREATE TRIGGER FrRcDt_Settle_Delete AFTER DELETE ON FrRcDt
BEGIN
    UPDATE EXIVHD SET RcptAmount = (SELECT round(COALESCE(SUM(d.RcDocAmount), 0), 2) FROM FrRcDt d JOIN FrRCHD h ON h.Id = d.FrRcHD WHERE upper(d.RcDoctype) = 'I' AND d.RcDocId = EXIVHD.Id AND COALESCE(h.Delflag, 'N') <> 'Y')
        WHERE Id = OLD.RcDocId AND upper(OLD.RcDoctype) = 'I';
    UPDATE EXIVHD SET Clear = CASE WHEN RcptAmount <> 0 AND round(Total - RcptAmount, 2) <= 0 THEN 'Y' ELSE 'N' END
        WHERE Id = OLD.RcDocId AND upper(OLD.RcDoctype) = 'I';
    UPDATE FrPreRcpt SET RcPtAmount = (SELECT round(COALESCE(SUM(d.RcDocAmount), 0), 2) FROM FrRcDt d JOIN FrRCHD h ON h.Id = d.FrRcHD WHERE upper(d.RcDoctype) = 'P' AND d.RcDocId = FrPreRcpt.Id AND COALESCE(h.Delflag, 'N') <> 'Y')
        WHERE Id = OLD.RcDocId AND upper(OLD.RcDoctype) = 'P';
    UPDATE FrPreRcpt SET Clear = CASE WHEN RcPtAmount <> 0 AND round(PreAmount + RcPtAmount, 2) <= 0 THEN 'Y' ELSE 'N' END
        WHERE Id = OLD.RcDocId AND upper(OLD.RcDoctype) = 'P';
END
/
CREATE TRIGGER FrRcDt_Settle_Update AFTER UPDATE ON FrRcDt
BEGIN
    UPDATE EXIVHD SET RcptAmount = (SELECT round(COALESCE(SUM(d.RcDocAmount), 0), 2) FROM FrRcDt d JOIN FrRCHD h ON h.Id = d.FrRcHD WHERE upper(d.RcDoctype) = 'I' AND d.RcDocId = EXIVHD.Id AND COALESCE(h.Delflag, 'N') <> 'Y')
        WHERE Id = OLD.RcDocId AND upper(OLD.RcDoctype) = 'I';
    UPDATE EXIVHD SET Clear = CASE WHEN RcptAmount <> 0 AND round(Total - RcptAmount, 2) <= 0 THEN 'Y' ELSE 'N' END
        WHERE Id = OLD.RcDocId AND upper(OLD.RcDoctype) = 'I';
    UPDATE FrPreRcpt SET RcPtAmount = (SELECT round(COALESCE(SUM(d.RcDocAmount), 0), 2) FROM FrRcDt d JOIN FrRCHD h ON h.Id = d.FrRcHD WHERE upper(d.RcDoctype) = 'P' AND d.RcDocId = FrPreRcpt.Id AND COALESCE(h.Delflag, 'N') <> 'Y')
        WHERE Id = OLD.RcDocId AND upper(OLD.RcDoctype) = 'P';
    UPDATE FrPreRcpt SET Clear = CASE WHEN RcPtAmount <> 0 AND round(PreAmount + RcPtAmount, 2) <= 0 THEN 'Y' ELSE 'N' END
        WHERE Id = OLD.RcDocId AND upper(OLD.RcDoctype) = 'P';
    UPDATE EXIVHD SET RcptAmount = (SELECT round(COALESCE(SUM(d.RcDocAmount), 0), 2) FROM FrRcDt d JOIN FrRCHD h ON h.Id = d.FrRcHD WHERE upper(d.RcDoctype) = 'I' AND d.RcDocId = EXIVHD.Id AND COALESCE(h.Delflag, 'N') <> 'Y')
        WHERE Id = NEW.RcDocId AND upper(NEW.RcDoctype) = 'I';
    UPDATE EXIVHD SET Clear = CASE WHEN RcptAmount <> 0 AND round(Total - RcptAmount, 2) <= 0 THEN 'Y' ELSE 'N' END
        WHERE Id = NEW.RcDocId AND upper(NEW.RcDoctype) = 'I';
    UPDATE FrPreRcpt SET RcPtAmount = (SELECT round(COALESCE(SUM(d.RcDocAmount), 0), 2) FROM FrRcDt d JOIN FrRCHD h ON h.Id = d.FrRcHD WHERE upper(d.RcDoctype) = 'P' AND d.RcDocId = FrPreRcpt.Id AND COALESCE(h.Delflag, 'N') <> 'Y')
        WHERE Id = NEW.RcDocId AND upper(NEW.RcDoctype) = 'P';
    UPDATE FrPreRcpt SET Clear = CASE WHEN RcPtAmount <> 0 AND round(PreAmount + RcPtAmount, 2) <= 0 THEN 'Y' ELSE 'N' END
        WHERE Id = NEW.RcDocId AND upper(NEW.RcDoctype) = 'P';
END
/
CREATE TRIGGER FrRCHD_Settle_Cancel AFTER UPDATE OF Delflag ON FrRCHD
BEGIN
    UPDATE EXIVHD SET RcptAmount = (SELECT round(COALESCE(SUM(d.RcDocAmount), 0), 2) FROM FrRcDt d JOIN FrRCHD h ON h.Id = d.FrRcHD WHERE upper(d.RcDoctype) = 'I' AND d.RcDocId = EXIVHD.Id AND COALESCE(h.Delflag, 'N') <> 'Y')
        WHERE Id IN (SELECT RcDocId FROM FrRcDt WHERE FrRcHD = NEW.Id AND upper(RcDoctype) = 'I');
    UPDATE EXIVHD SET Clear = CASE WHEN RcptAmount <> 0 AND round(Total - RcptAmount, 2) <= 0 THEN 'Y' ELSE 'N' END
        WHERE Id IN (SELECT RcDocId FROM FrRcDt WHERE FrRcHD = NEW.Id AND upper(RcDoctype) = 'I');
    UPDATE FrPreRcpt SET RcPtAmount = (SELECT round(COALESCE(SUM(d.RcDocAmount), 0), 2) FROM FrRcDt d JOIN FrRCHD h ON h.Id = d.FrRcHD WHERE upper(d.RcDoctype) = 'P' AND d.RcDocId = FrPreRcpt.Id AND COALESCE(h.Delflag, 'N') <> 'Y')
        WHERE Id IN (SELECT RcDocId FROM FrRcDt WHERE FrRcHD = NEW.Id AND upper(RcDoctype) = 'P');
    UPDATE FrPreRcpt SET Clear = CASE WHEN RcPtAmount <> 0 AND round(PreAmount + RcPtAmount, 2) <= 0 THEN 'Y' ELSE 'N' END
        WHERE Id IN (SELECT RcDocId FROM FrRcDt WHERE FrRcHD = NEW.Id AND upper(RcDoctype) = 'P');
END
/
CREATE TRIGGER FrPDDT_Settle_Insert AFTER INSERT ON FrPDDT
BEGIN
    UPDATE IMHD SET PaidAmount = (SELECT round(COALESCE(SUM(d.PDDocAmount), 0), 2) FROM FrPDDT d JOIN FrPDHD h ON h.Id = d.FrPDHD WHERE upper(d.PDDoctype) = 'M' AND d.PDDocId = IMHD.Id AND COALESCE(h.Delflag, 'N') <> 'Y')
        WHERE Id = NEW.PDDocId AND upper(NEW.PDDoctype) = 'M';
    UPDATE IMHD SET Clear = CASE WHEN PaidAmount <> 0 AND round(Total - PaidAmount, 2) <= 0 THEN 'Y' ELSE 'N' END
        WHERE Id = NEW.PDDocId AND upper(NEW.PDDoctype) = 'M';
    UPDATE FrPrePaid SET PaidAmount = (SELECT round(COALESCE(SUM(d.PDDocAmount), 0), 2) FROM FrPDDT d JOIN FrPDHD h ON h.Id = d.FrPDHD WHERE upper(d.PDDoctype) = 'D' AND d.PDDocId = FrPrePaid.Id AND COALESCE(h.Delflag, 'N') <> 'Y')
        WHERE Id = NEW.PDDocId AND upper(NEW.PDDoctype) = 'D';
    UPDATE FrPrePaid SET Clear = CASE WHEN PaidAmount <> 0 AND round(PreAmount + PaidAmount, 2) <= 0 THEN 'Y' ELSE 'N' END
        WHERE Id = NEW.PDDocId AND upper(NEW.PDDoctype) = 'D';
END
/
CREATE TRIGGER FrPDDT_Settle_Delete AFTER DELETE ON FrPDDT
BEGIN
    UPDATE IMHD SET PaidAmount = (SELECT round(COALESCE(SUM(d.PDDocAmount), 0), 2) FROM FrPDDT d JOIN FrPDHD h ON h.Id = d.FrPDHD WHERE upper(d.PDDoctype) = 'M' AND d.PDDocId = IMHD.Id AND COALESCE(h.Delflag, 'N') <> 'Y')
        WHERE Id = OLD.PDDocId AND upper(OLD.PDDoctype) = 'M';
    UPDATE IMHD SET Clear = CASE WHEN PaidAmount <> 0 AND round(Total - PaidAmount, 2) <= 0 THEN 'Y' ELSE 'N' END
        WHERE Id = OLD.PDDocId AND upper(OLD.PDDoctype) = 'M';
    UPDATE FrPrePaid SET PaidAmount = (SELECT round(COALESCE(SUM(d.PDDocAmount), 0), 2) FROM FrPDDT d JOIN FrPDHD h ON h.Id = d.FrPDHD WHERE upper(d.PDDoctype) = 'D' AND d.PDDocId = FrPrePaid.Id AND COALESCE(h.Delflag, 'N') <> 'Y')
        WHERE Id = OLD.PDDocId AND upper(OLD.PDDoctype) = 'D';
    UPDATE FrPrePaid SET Clear = CASE WHEN PaidAmount <> 0 AND round(PreAmount + PaidAmount, 2) <= 0 THEN 'Y' ELSE 'N' END
        WHERE Id = OLD.PDDocId AND upper(OLD.PDDoctype) = 'D';
END
/
CREATE TRIGGER FrPDDT_Settle_Update AFTER UPDATE ON FrPDDT
BEGIN
    UPDATE IMHD SET PaidAmount = (SELECT round(COALESCE(SUM(d.PDDocAmount), 0), 2) FROM FrPDDT d JOIN FrPDHD h ON h.Id = d.FrPDHD WHERE upper(d.PDDoctype) = 'M' AND d.PDDocId = IMHD.Id AND COALESCE(h.Delflag, 'N') <> 'Y')
        WHERE Id = OLD.PDDocId AND upper(OLD.PDDoctype) = 'M';
    UPDATE IMHD SET Clear = CASE WHEN PaidAmount <> 0 AND round(Total - PaidAmount, 2) <= 0 THEN 'Y' ELSE 'N' END
        WHERE Id = OLD.PDDocId AND upper(OLD.PDDoctype) = 'M';
    UPDATE FrPrePaid SET PaidAmount = (SELECT round(COALESCE(SUM(d.PDDocAmount), 0), 2) FROM FrPDDT d JOIN FrPDHD h ON h.Id = d.FrPDHD WHERE upper(d.PDDoctype) = 'D' AND d.PDDocId = FrPrePaid.Id AND COALESCE(h.Delflag, 'N') <> 'Y')
        WHERE Id = OLD.PDDocId AND upper(OLD.PDDoctype) = 'D';
    UPDATE FrPrePaid SET Clear = CASE WHEN PaidAmount <> 0 AND round(PreAmount + PaidAmount, 2) <= 0 THEN 'Y' ELSE 'N' END
        WHERE Id = OLD.PDDocId AND upper(OLD.PDDoctype) = 'D';
    UPDATE IMHD SET PaidAmount = (SELECT round(COALESCE(SUM(d.PDDocAmount), 0), 2) FROM FrPDDT d JOIN FrPDHD h ON h.Id = d.FrPDHD WHERE upper(d.PDDoctype) = 'M' AND d.PDDocId = IMHD.Id AND COALESCE(h.Delflag, 'N') <> 'Y')
        WHERE Id = NEW.PDDocId AND upper(NEW.PDDoctype) = 'M';
    UPDATE IMHD SET Clear = CASE WHEN PaidAmount <> 0 AND round(Total - PaidAmount, 2) <= 0 THEN 'Y' ELSE 'N' END
        WHERE Id = NEW.PDDocId AND upper(NEW.PDDoctype) = 'M';
    UPDATE FrPrePaid SET PaidAmount = (SELECT round(COALESCE(SUM(d.PDDocAmount), 0), 2) FROM FrPDDT d JOIN FrPDHD h ON h.Id = d.FrPDHD WHERE upper(d.PDDoctype) = 'D' AND d.PDDocId = FrPrePaid.Id AND COALESCE(h.Delflag, 'N') <> 'Y')
        WHERE Id = NEW.PDDocId AND upper(NEW.PDDoctype) = 'D';
    UPDATE FrPrePaid SET Clear = CASE WHEN PaidAmount <> 0 AND round(PreAmount + PaidAmount, 2) <= 0 THEN 'Y' ELSE 'N' END
        WHERE Id = NEW.PDDocId AND upper(NEW.PDDoctype) = 'D';
END
/
CREATE TRIGGER FrPDHD_Settle_Cancel AFTER UPDATE OF Delflag ON FrPDHD
BEGIN
    UPDATE IMHD SET PaidAmount = (SELECT round(COALESCE(SUM(d.PDDocAmount), 0), 2) FROM FrPDDT d JOIN FrPDHD h ON h.Id = d.FrPDHD WHERE upper(d.PDDoctype) = 'M' AND d.PDDocId = IMHD.Id AND COALESCE(h.Delflag, 'N') <> 'Y')
        WHERE Id IN (SELECT PDDocId FROM FrPDDT WHERE FrPDHD = NEW.Id AND upper(PDDoctype) = 'M');
    UPDATE IMHD SET Clear = CASE WHEN PaidAmount <> 0 AND round(Total - PaidAmount, 2) <= 0 THEN 'Y' ELSE 'N' END
        WHERE Id IN (SELECT PDDocId FROM FrPDDT WHERE FrPDHD = NEW.Id AND upper(PDDoctype) = 'M');
    UPDATE FrPrePaid SET PaidAmount = (SELECT round(COALESCE(SUM(d.PDDocAmount), 0), 2) FROM FrPDDT d JOIN FrPDHD h ON h.Id = d.FrPDHD WHERE upper(d.PDDoctype) = 'D' AND d.PDDocId = FrPrePaid.Id AND COALESCE(h.Delflag, 'N') <> 'Y')
        WHERE Id IN (SELECT PDDocId FROM FrPDDT WHERE FrPDHD = NEW.Id AND upper(PDDoctype) = 'D');
    UPDATE FrPrePaid SET Clear = CASE WHEN PaidAmount <> 0 AND round(PreAmount + PaidAmount, 2) <= 0 THEN 'Y' ELSE 'N' END
        WHERE Id IN (SELECT PDDocId FROM FrPDDT WHERE FrPDHD = NEW.Id AND upper(PDDoctype) = 'D');
END
/
CREATE TRIGGER EXIVHD_Settle_Insert AFTER INSERT ON EXIVHD
BEGIN
    UPDATE EXIVHD SET RcptAmount = (SELECT round(COALESCE(SUM(d.RcDocAmount), 0), 2) FROM FrRcDt d JOIN FrRCHD h ON h.Id = d.FrRcHD WHERE upper(d.RcDoctype) = 'I' AND d.RcDocId = EXIVHD.Id AND COALESCE(h.Delflag, 'N') <> 'Y')
        WHERE Id = NEW.Id;
    UPDATE EXIVHD SET Clear = CASE WHEN RcptAmount <> 0 AND round(Total - RcptAmount, 2) <= 0 THEN 'Y' ELSE 'N' END
        WHERE Id = NEW.Id;
END
/
CREATE TRIGGER EXIVHD_Settle_Update AFTER UPDATE ON EXIVHD
BEGIN
    UPDATE EXIVHD SET RcptAmount = (SELECT round(COALESCE(SUM(d.RcDocAmount), 0), 2) FROM FrRcDt d JOIN FrRCHD h ON h.Id = d.FrRcHD WHERE upper(d.RcDoctype) = 'I' AND d.RcDocId = EXIVHD.Id AND COALESCE(h.Delflag, 'N') <> 'Y')
        WHERE Id = NEW.Id;
    UPDATE EXIVHD SET Clear = CASE WHEN RcptAmount <> 0 AND round(Total - RcptAmount, 2) <= 0 THEN 'Y' ELSE 'N' END
        WHERE Id = NEW.Id;
END
/
CREATE TRIGGER EXIVHD_Referenced BEFORE DELETE ON EXIVHD
WHEN EXISTS (SELECT 1 FROM FrRcDt WHERE RcDocId = OLD.Id AND upper(RcDoctype) = 'I')
BEGIN
    SELECT RAISE(ABORT, 'DELETE statement conflicted with COLUMN REFERENCE constraint: FrRcDt.RcDocId refers to EXIVHD');
END
/
CREATE TRIGGER FrPreRcpt_Settle_Insert AFTER INSERT ON FrPreRcpt
BEGIN
    UPDATE FrPreRcpt SET RcPtAmount = (SELECT round(COALESCE(SUM(d.RcDocAmount), 0), 2) FROM FrRcDt d JOIN FrRCHD h ON h.Id = d.FrRcHD WHERE upper(d.RcDoctype) = 'P' AND d.RcDocId = FrPreRcpt.Id AND COALESCE(h.Delflag, 'N') <> 'Y')
        WHERE Id = NEW.Id;
    UPDATE FrPreRcpt SET Clear = CASE WHEN RcPtAmount <> 0 AND round(PreAmount + RcPtAmount, 2) <= 0 THEN 'Y' ELSE 'N' END
        WHERE Id = NEW.Id;
END
/
CREATE TRIGGER FrPreRcpt_Settle_Update AFTER UPDATE ON FrPreRcpt
BEGIN
    UPDATE FrPreRcpt SET RcPtAmount = (SELECT round(COALESCE(SUM(d.RcDocAmount), 0), 2) FROM FrRcDt d JOIN FrRCHD h ON h.Id = d.FrRcHD WHERE upper(d.RcDoctype) = 'P' AND d.RcDocId = FrPreRcpt.Id AND COALESCE(h.Delflag, 'N') <> 'Y')
        WHERE Id = NEW.Id;
    UPDATE FrPreRcpt SET Clear = CASE WHEN RcPtAmount <> 0 AND round(PreAmount + RcPtAmount, 2) <= 0 THEN 'Y' ELSE 'N' END
        WHERE Id = NEW.Id;
END
/
CREATE TRIGGER FrPreRcpt_Referenced BEFORE DELETE ON FrPreRcpt
WHEN EXISTS (SELECT 1 FROM FrRcDt WHERE RcDocId = OLD.Id AND upper(RcDoctype) = 'P')
BEGIN
    SELECT RAISE(ABORT, 'DELETE statement conflicted with COLUMN REFERENCE constraint: FrRcDt.RcDocId refers to FrPreRcpt');
END
/
CREATE TRIGGER IMHD_Settle_Insert AFTER INSERT ON IMHD
BEGIN
    UPDATE IMHD SET PaidAmount = (SELECT round(COALESCE(SUM(d.PDDocAmount), 0), 2) FROM FrPDDT d JOIN FrPDHD h ON h.Id = d.FrPDHD WHERE upper(d.PDDoctype) = 'M' AND d.PDDocId = IMHD.Id AND COALESCE(h.Delflag, 'N') <> 'Y')
        WHERE Id = NEW.Id;
    UPDATE IMHD SET Clear = CASE WHEN PaidAmount <> 0 AND round(Total - PaidAmount, 2) <= 0 THEN 'Y' ELSE 'N' END
        WHERE Id = NEW.Id;
END
/
CREATE TRIGGER IMHD_Settle_Update AFTER UPDATE ON IMHD
BEGIN
    UPDATE IMHD SET PaidAmount = (SELECT round(COALESCE(SUM(d.PDDocAmount), 0), 2) FROM FrPDDT d JOIN FrPDHD h ON h.Id = d.FrPDHD WHERE upper(d.PDDoctype) = 'M' AND d.PDDocId = IMHD.Id AND COALESCE(h.Delflag, 'N') <> 'Y')
        WHERE Id = NEW.Id;
    UPDATE IMHD SET Clear = CASE WHEN PaidAmount <> 0 AND round(Total - PaidAmount, 2) <= 0 THEN 'Y' ELSE 'N' END
        WHERE Id = NEW.Id;
END
/
CREATE TRIGGER IMHD_Referenced BEFORE DELETE ON IMHD
WHEN EXISTS (SELECT 1 FROM FrPDDT WHERE PDDocId = OLD.Id AND upper(PDDoctype) = 'M')
BEGIN
    SELECT RAISE(ABORT, 'DELETE statement conflicted with COLUMN REFERENCE constraint: FrPDDT.PDDocId refers to IMHD');
END
/
CREATE TRIGGER FrPrePaid_Settle_Insert AFTER INSERT ON FrPrePaid
BEGIN
    UPDATE FrPrePaid SET PaidAmount = (SELECT round(COALESCE(SUM(d.PDDocAmount), 0), 2) FROM FrPDDT d JOIN FrPDHD h ON h.Id = d.FrPDHD WHERE upper(d.PDDoctype) = 'D' AND d.PDDocId = FrPrePaid.Id AND COALESCE(h.Delflag, 'N') <> 'Y')
        WHERE Id = NEW.Id;
    UPDATE FrPrePaid SET Clear = CASE WHEN PaidAmount <> 0 AND round(PreAmount + PaidAmount, 2) <= 0 THEN 'Y' ELSE 'N' END
        WHERE Id = NEW.Id;
END
/
CREATE TRIGGER FrPrePaid_Settle_Update AFTER UPDATE ON FrPrePaid
BEGIN
    UPDATE FrPrePaid SET PaidAmount = (SELECT round(COALESCE(SUM(d.PDDocAmount), 0), 2) FROM FrPDDT d JOIN FrPDHD h ON h.Id = d.FrPDHD WHERE upper(d.PDDoctype) = 'D' AND d.PDDocId = FrPrePaid.Id AND COALESCE(h.Delflag, 'N') <> 'Y')
        WHERE Id = NEW.Id;
    UPDATE FrPrePaid SET Clear = CASE WHEN PaidAmount <> 0 AND round(PreAmount + PaidAmount, 2) <= 0 THEN 'Y' ELSE 'N' END
        WHERE Id = NEW.Id;
END
/
CREATE TRIGGER FrPrePaid_Referenced BEFORE DELETE ON FrPrePaid
WHEN EXISTS (SELECT 1 FROM FrPDDT WHERE PDDocId = OLD.Id AND upper(PDDoctype) = 'D')
BEGIN
    SELECT RAISE(ABORT, 'DELETE statement conflicted with COLUMN REFERENCE constraint: FrPDDT.PDDocId refers to FrPrePaid');
END
