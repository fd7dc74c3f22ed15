; The services of the vector page, for user programs (VEJ (C0) ... VEJ (CC),
; or VMJ &C0 ...). Each keeps X, Y and U unless it returns something in
; them; A and the flags change. firmware/README.md documents them.

svc_clear:      EQU lcd_clear       ; VEJ (C0): blank the line, cursor to column 0
svc_print_char: EQU put_char        ; VEJ (C2): print character A
svc_print_hex:  EQU print_hex       ; VEJ (C4): print A as two hex digits
svc_wait_key:   EQU key_wait        ; VEJ (C6): wait for a key, its code in A
svc_print_text: EQU print_text      ; VEJ (CA): print the text at X up to a zero
svc_locate:     EQU lcd_locate      ; VEJ (CC): cursor to column A

; VEJ (C8): the time, in BCD: A seconds, XL minutes, XH hours, YL day,
; YH month, UL weekday (0 Sunday to 6 Saturday).
svc_read_clock:
            SJP clock_read
            LDA (CLOCK+1)
            STA XL
            LDA (CLOCK+2)
            STA XH
            LDA (CLOCK+3)
            STA YL
            LDA (CLOCK+4)
            ANI A,&0F
            STA UL
            SJP clock_month
            STA YH
            LDA (CLOCK)
            RTN

; A := the month of CLOCK in BCD (the chip counts it in binary, 1-12).
clock_month:
            LDA (CLOCK+4)
            AEX
            ANI A,&0F
            CPI A,10
            BCR month_done
            ADI A,5             ; C is set: 10-12 become 10-12 in BCD
month_done: RTN
