; Run from 4000 in a fresh machine: copies a zero-terminated message to
; BUFFER, fills the COUNT bytes after it with A5, calls a subroutine that
; stores the two bytes of a word, and switches the machine off.
BUFFER  EQU &4100
COUNT   EQU 16

        ORG &4000
start:  LDI S,&47FF             ; the stack in base RAM
        LDI YH,HIGH(message)
        LDI YL,LOW(message)
        LDI XH,HIGH(BUFFER)
        LDI XL,LOW(BUFFER)
copy:   LIN Y                   ; A := (Y), Y + 1
        CPI A,0
        BZS copied              ; a forward branch
        SIN X                   ; (X) := A, X + 1
        BCH copy                ; a backward one
copied: LDI UL,COUNT-1          ; LOP runs the body UL + 1 times
        LDI A,&A5
fill:   SIN X
        LOP UL,fill
        SJP mark
        OFF
halt:   BCH halt

mark:   LDA (marker)
        STA (BUFFER+&20)
        LDA (marker+1)
        STA (BUFFER+&21)
        RTN

message: DB "LH5801", 0
marker:  DW &BEEF               ; stored high byte first
