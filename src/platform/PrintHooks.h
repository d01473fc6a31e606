#pragma once
// What a view offers the print job (CPrintJob), which calls it for one job in this order:
// prepare printing (choose the printer; false ends the job before it starts), begin printing,
// then for the pages 1, 2, ... prepare page (which may end the job by clearing the continue
// flag) and print page, and at last end printing.

class QPaintDevice;
class QPainter;

namespace venkora {

struct CPrintInfo;

class PrintHooks {
public:
    virtual ~PrintHooks() = default;

    virtual bool OnPreparePrinting(CPrintInfo& info) = 0;
    virtual void OnBeginPrinting(QPaintDevice& device, CPrintInfo& info) = 0;
    virtual void OnPrepareDC(QPaintDevice& device, CPrintInfo& info) = 0;
    virtual void OnPrint(QPainter& painter, CPrintInfo& info) = 0;
    virtual void OnEndPrinting(QPaintDevice& device, CPrintInfo& info) = 0;
};

}  // namespace venkora
