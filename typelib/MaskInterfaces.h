#pragma once
// The automation interfaces of the masks, as C++ classes in slot order after the seven slots
// of IDispatch. Classes whose interfaces list the same members share one layout; each class
// still has its own interface type and identifier (see TypeLibrary.cpp).

#include "platform/com/Interfaces.h"

// Lang only.
struct ILangMaskDispatch : IDispatch {
  virtual HRESULT get_Lang(BSTR* pVal) = 0;
  virtual HRESULT put_Lang(BSTR newVal) = 0;
};

// Lang, SetResponse.
struct IResponseMaskDispatch : IDispatch {
  virtual HRESULT get_Lang(BSTR* pVal) = 0;
  virtual HRESULT put_Lang(BSTR newVal) = 0;
  virtual HRESULT SetResponse(BSTR bstrResponse) = 0;
};

// Lang, SetResponse, initField, initParam.
struct ILineItemMaskDispatch : IDispatch {
  virtual HRESULT get_Lang(BSTR* pVal) = 0;
  virtual HRESULT put_Lang(BSTR newVal) = 0;
  virtual HRESULT SetResponse(BSTR bstrResponse) = 0;
  virtual HRESULT initField(BSTR bstrFields) = 0;
  virtual HRESULT initParam(BSTR bstrParams) = 0;
};

// Lang, SetResponse, receivedFrom.
struct IRoutedMaskDispatch : IDispatch {
  virtual HRESULT get_Lang(BSTR* pVal) = 0;
  virtual HRESULT put_Lang(BSTR newVal) = 0;
  virtual HRESULT SetResponse(BSTR bstrResponse) = 0;
  virtual HRESULT receivedFrom(BSTR srcID, BSTR destID, BSTR str) = 0;
};

struct IPNRCreationFIT : IDispatch {
  virtual HRESULT initFields(BSTR bstrFields) = 0;
  virtual HRESULT initParam(BSTR bstrParams) = 0;
  virtual HRESULT SetResponse(BSTR bstrResponse) = 0;
  virtual HRESULT get_Lang(BSTR* pVal) = 0;
  virtual HRESULT put_Lang(BSTR newVal) = 0;
  virtual HRESULT receivedFrom(BSTR srcID, BSTR destID, BSTR str) = 0;
};

struct IPNRCreationGIT : IRoutedMaskDispatch {};
struct ICreateAddPax : IRoutedMaskDispatch {};

struct IPNRAddEmail : ILineItemMaskDispatch {};
struct IPNRDeleteEmail : ILineItemMaskDispatch {};
struct IPNRAddPhoneFax : ILineItemMaskDispatch {};
struct IPNRModifyGrpName : ILineItemMaskDispatch {};

struct IPNRModificationPassenger : IResponseMaskDispatch {};
struct IPNRModificationEmail : IResponseMaskDispatch {};
struct IPNRModificationDivide : IResponseMaskDispatch {};

struct IPNRCreationEmail : ILangMaskDispatch {};
struct IPNRCreationFax : ILangMaskDispatch {};
struct IPNRCreationPersonal : ILangMaskDispatch {};
struct IPNRCreationRemarks : ILangMaskDispatch {};
struct IPNRCreationSSR : ILangMaskDispatch {};
struct IPNRRetrieval : ILangMaskDispatch {};
struct IPNRModificationAddress : ILangMaskDispatch {};
struct IPNRModificationFax : ILangMaskDispatch {};
struct IPNRModificationGIT : ILangMaskDispatch {};
struct IPNRModificationIncrease : ILangMaskDispatch {};
struct IPNRModificationPersonal : ILangMaskDispatch {};
struct IPNRModificationPhone : ILangMaskDispatch {};
struct IPNRModificationReceivedFrom : ILangMaskDispatch {};
struct IPNRModificationReduce : ILangMaskDispatch {};
struct IPNRModificationRemarks : ILangMaskDispatch {};
struct IPNRModificationTtl : ILangMaskDispatch {};
