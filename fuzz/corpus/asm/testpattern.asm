; The image bundled in every ROM slot until a system program is supplied: it
; shows a checkerboard of dots with the RUN annunciator lit, waits for a key
; and switches the machine off.

KEY_STROBE  EQU &F00C           ; keyboard strobe lines (ME1)
KEY_PORT    EQU &F00E           ; keyboard columns (ME1)
BLOCK1      EQU &7600           ; columns 0-38 and 78-116
BLOCK2      EQU &7700           ; columns 39-77 and 117-155
FLAGS2      EQU &764F           ; second annunciator byte
RUN_SIGN    EQU &40

            ORG &C000
reset:      LDI S,&7BFF
            LDI XH,HIGH(BLOCK1)
            LDI XL,LOW(BLOCK1)
            LDI YH,HIGH(BLOCK2)
            LDI YL,LOW(BLOCK2)
            LDI UL,18           ; 19 passes of two columns each, then one more
columns:    SJP even
            SJP odd
            LOP UL,columns
            SJP even            ; column pair 38
            LDI A,RUN_SIGN
            STA (FLAGS2)

; Wait for a key: with every strobe line up, the port reads the key's column
; bit; 00 before the first key, FF once a key has been released.
            LDI A,&FF
            STA #(KEY_STROBE)
wait:       LDA #(KEY_PORT)
            BZS wait
            CPI A,&FF
            BZS wait
            OFF
halt:       BCH halt

; A dark dot where row + column is odd. Block 1 column k has the parity of
; k, block 2 column 39 + k the other one. Rows 1-4 are the even byte of a
; pair, rows 5-7 the odd one; each nibble is one column.
even:       LDI A,&55           ; block 1, even k: rows 1, 3 / 5, 7
            SIN X
            SIN X
            LDI A,&AA           ; block 2, odd column: rows 2, 4 / 6
            SIN Y
            LDI A,&22
            SIN Y
            RTN
odd:        LDI A,&AA
            SIN X
            LDI A,&22
            SIN X
            LDI A,&55
            SIN Y
            SIN Y
            RTN

interrupt:  RTI                 ; the ON key and the timer: nothing to do

            ORG &FFF8
            DW interrupt        ; maskable (ON key)
            DW interrupt        ; timer
            DW interrupt        ; non-maskable
            DW reset
